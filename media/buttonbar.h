#pragma once
// The control's button bar: play, pause and stop for the open file.

#include <QWidget>

#include <functional>

namespace media {

class ButtonBar : public QWidget {
public:
    static constexpr int kWidth = 236;
    static constexpr int kHeight = 25;

    struct Actions {
        std::function<void()> play;
        std::function<void()> pauseOrResume;
        std::function<void()> stop;
    };

    // Created hidden; the owner of the parent places it.
    ButtonBar(QWidget* parent, Actions actions);
};

}  // namespace media
