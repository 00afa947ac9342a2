// Checks the picture generator as the game uses its output: every file the
// board asks for exists in the right size and format, assets.qrc lists exactly
// what was written, the token area of special squares stays plain, the dice
// show the right number of pips, output is reproducible, and the committed
// assets/ folder is what the current drawing code produces.

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QString kGenerator = QStringLiteral(MAKE_ASSETS_EXE);
const QString kCommitted = QStringLiteral(COMMITTED_ASSETS_DIR);

struct GeneratorRun {
    int exitCode = -1;
    QString stderrText;
};

GeneratorRun runGenerator(const QStringList& args)
{
    QProcess proc;
    proc.start(kGenerator, args);
    GeneratorRun r;
    if (!proc.waitForFinished(60000) || proc.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = proc.exitCode();
    r.stderrText = QString::fromLocal8Bit(proc.readAllStandardError());
    return r;
}

// Every picture file the game loads, relative to the assets folder, with its
// size at 100 %.
struct Expected {
    QString base;
    QSize size;
    bool alpha;
};

std::vector<Expected> expectedPictures()
{
    std::vector<Expected> list;
    for (int n = 1; n <= 32; ++n)
        list.push_back({QStringLiteral("squares/karta%1").arg(n), QSize(63, 85), false});
    for (int n = 1; n <= 6; ++n)
        list.push_back({QStringLiteral("dice/ku%1").arg(n), QSize(43, 43), true});
    list.push_back({QStringLiteral("about"), QSize(239, 200), false});
    return list;
}

QStringList pngFilesUnder(const QString& root)
{
    QStringList files;
    QDirIterator it(root, {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

QImage load(const QString& root, const QString& rel)
{
    return QImage(root + QLatin1Char('/') + rel);
}

// Number of 4-connected blobs of near-black pixels: the pips of a die face.
int countDarkBlobs(const QImage& img)
{
    const int w = img.width();
    const int h = img.height();
    std::vector<char> seen(static_cast<size_t>(w * h), 0);
    auto dark = [&](int x, int y) { return qGray(img.pixel(x, y)) < 80 && qAlpha(img.pixel(x, y)) > 200; };
    int blobs = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (seen[static_cast<size_t>(y * w + x)] || !dark(x, y))
                continue;
            ++blobs;
            std::vector<QPoint> stack{{x, y}};
            seen[static_cast<size_t>(y * w + x)] = 1;
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h)
                        continue;
                    const size_t i = static_cast<size_t>(q.y() * w + q.x());
                    if (!seen[i] && dark(q.x(), q.y())) {
                        seen[i] = 1;
                        stack.push_back(q);
                    }
                }
            }
        }
    return blobs;
}

class GeneratedAssets : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(dir_->isValid());
        const GeneratorRun r = runGenerator({dir_->path()});
        ASSERT_EQ(r.exitCode, 0) << r.stderrText.toStdString();
    }
    static void TearDownTestSuite() { dir_.reset(); }
    static QString root() { return dir_->path(); }

    static std::unique_ptr<QTemporaryDir> dir_;
};

std::unique_ptr<QTemporaryDir> GeneratedAssets::dir_;

TEST_F(GeneratedAssets, EveryPictureExistsAtBothScalesWithItsSizeAndFormat)
{
    for (const Expected& e : expectedPictures()) {
        for (int scale : {1, 2}) {
            const QString rel = e.base + (scale == 2 ? "@2x.png" : ".png");
            const QImage img = load(root(), rel);
            ASSERT_FALSE(img.isNull()) << rel.toStdString();
            EXPECT_EQ(img.size(), e.size * scale) << rel.toStdString();
            EXPECT_EQ(img.hasAlphaChannel(), e.alpha) << rel.toStdString();
        }
    }
    // Dice have see-through rounded corners and an opaque face.
    const QImage die = load(root(), QStringLiteral("dice/ku3.png"));
    EXPECT_EQ(qAlpha(die.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(die.pixel(21, 10)), 255);
}

TEST_F(GeneratedAssets, QrcListsExactlyTheWrittenFiles)
{
    QFile qrc(root() + QStringLiteral("/assets.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(qrc.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<qresource prefix=\"/\">")));
    QStringList listed;
    const QRegularExpression entry(QStringLiteral("<file>([^<]+)</file>"));
    for (auto it = entry.globalMatch(text); it.hasNext();)
        listed << it.next().captured(1);
    listed.sort();
    EXPECT_EQ(listed, pngFilesUnder(root()));
    EXPECT_EQ(listed.size(), static_cast<int>(expectedPictures().size()) * 2);
}

TEST_F(GeneratedAssets, SpecialSquaresKeepTheTokenAreaPlain)
{
    for (int n : {1, 8, 12, 14, 17, 22, 28, 30}) {
        for (int scale : {1, 2}) {
            const QString rel =
                QStringLiteral("squares/karta%1%2.png").arg(n).arg(scale == 2 ? "@2x" : "");
            const QImage img = load(root(), rel);
            ASSERT_FALSE(img.isNull());
            // inside the 1 px frame, the top 18 px
            const QRgb background = img.pixel(scale, scale);
            int odd = 0;
            for (int y = scale; y < 18 * scale; ++y)
                for (int x = scale; x < img.width() - scale; ++x)
                    odd += img.pixel(x, y) != background;
            EXPECT_EQ(odd, 0) << rel.toStdString();
        }
    }
}

TEST_F(GeneratedAssets, EverySquareIsDistinctExceptTheTwoMessageSquares)
{
    QSet<QByteArray> seen;
    for (int n = 1; n <= 32; ++n) {
        if (n == 22)
            continue;  // the second "Сообщение" square is the same picture as karta8
        const QImage img = load(root(), QStringLiteral("squares/karta%1.png").arg(n));
        const QByteArray bytes(reinterpret_cast<const char*>(img.constBits()),
                               static_cast<qsizetype>(img.sizeInBytes()));
        EXPECT_FALSE(seen.contains(bytes)) << "karta" << n << " repeats another square";
        seen.insert(bytes);
    }
}

TEST_F(GeneratedAssets, DieFacesShowTheirNumberOfPips)
{
    for (int n = 1; n <= 6; ++n)
        for (const char* suffix : {"", "@2x"}) {
            const QImage img =
                load(root(), QStringLiteral("dice/ku%1%2.png").arg(n).arg(QLatin1String(suffix)))
                    .convertToFormat(QImage::Format_ARGB32);
            EXPECT_EQ(countDarkBlobs(img), n) << "ku" << n << suffix;
        }
}

TEST_F(GeneratedAssets, SecondRunWritesIdenticalBytes)
{
    QTemporaryDir again;
    ASSERT_TRUE(again.isValid());
    ASSERT_EQ(runGenerator({again.path()}).exitCode, 0);
    QStringList files = pngFilesUnder(root());
    files << QStringLiteral("assets.qrc");
    for (const QString& rel : files) {
        QFile a(root() + '/' + rel);
        QFile b(again.path() + '/' + rel);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << rel.toStdString();
        EXPECT_TRUE(a.readAll() == b.readAll()) << rel.toStdString();
    }
}

// The committed pictures must come from the current drawing code. Pixels are
// compared with a tolerance so a different FreeType build does not fail this,
// while a forgotten regeneration after a drawing change does.
TEST_F(GeneratedAssets, CommittedAssetsMatchTheDrawingCode)
{
    const QStringList fresh = pngFilesUnder(root());
    ASSERT_EQ(pngFilesUnder(kCommitted), fresh)
        << "regenerate with: make_assets " << kCommitted.toStdString();
    QFile committedQrc(kCommitted + QStringLiteral("/assets.qrc"));
    QFile freshQrc(root() + QStringLiteral("/assets.qrc"));
    ASSERT_TRUE(committedQrc.open(QIODevice::ReadOnly) && freshQrc.open(QIODevice::ReadOnly));
    EXPECT_TRUE(committedQrc.readAll() == freshQrc.readAll());
    for (const QString& rel : fresh) {
        const QImage a = load(kCommitted, rel).convertToFormat(QImage::Format_ARGB32);
        const QImage b = load(root(), rel).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(a.size(), b.size()) << rel.toStdString();
        qint64 differing = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                const int d = qMax(qMax(qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q))),
                                   qMax(qAbs(qBlue(p) - qBlue(q)), qAbs(qAlpha(p) - qAlpha(q))));
                differing += d > 24;
            }
        EXPECT_LE(differing * 100, qint64(a.width()) * a.height() * 3)
            << rel.toStdString() << " is stale: regenerate with make_assets "
            << kCommitted.toStdString();
    }
}

TEST(MakeAssetsCommandLine, ReportsMisuseAndUnwritableFolders)
{
    EXPECT_EQ(runGenerator({}).exitCode, 2);
    EXPECT_EQ(runGenerator({QStringLiteral("a"), QStringLiteral("b")}).exitCode, 2);

    // A folder that cannot be created (its parent is a plain file) must fail.
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    QFile blocker(tmp.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const GeneratorRun r = runGenerator({tmp.path() + QStringLiteral("/file/out")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.stderrText.contains(QStringLiteral("cannot create"))) << r.stderrText.toStdString();
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
