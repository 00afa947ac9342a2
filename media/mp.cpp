#include "media/mp.h"

#include "media/buttonbar.h"

#include <algorithm>
#include <cctype>

namespace media {

namespace {

std::string normalized(const std::string& cmd) {
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    auto first = std::find_if_not(cmd.begin(), cmd.end(), blank);
    auto last = std::find_if_not(cmd.rbegin(), std::string::const_reverse_iterator(first), blank).base();
    std::string out(first, last);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

}  // namespace

Mp::Mp(QWidget* barParent, Options options) : player_(std::move(options)), barOnParent_(barParent != nullptr) {
    if (barOnParent_) makeBar(barParent);
}

Mp::~Mp() {
    // The bar's buttons call into this object; it must not outlive it.
    delete bar_.data();
}

void Mp::setFileName(const std::string& path) { fileName_ = path; }

void Mp::command(const std::string& cmd) {
    const std::string c = normalized(cmd);
    if (c == "open") {
        player_.open(fileName_);
    } else if (c == "play") {
        player_.play();
    } else if (c == "stop") {
        player_.stop();
    }
}

void Mp::setButtonsVisible(bool visible) {
    buttonsVisible_ = visible;
    if (bar_ != nullptr) bar_->setVisible(visible);
}

QWidget* Mp::buttonBar() {
    if (bar_ == nullptr && !barOnParent_) makeBar(nullptr);
    return bar_;
}

void Mp::makeBar(QWidget* parent) {
    bar_ = new ButtonBar(parent, {[this] { player_.play(); },
                                  [this] { player_.pauseOrResume(); },
                                  [this] { player_.stop(); }});
    bar_->setVisible(buttonsVisible_);
}

}  // namespace media
