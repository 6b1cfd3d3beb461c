#include "asset_set.h"
#include "asset_writer.h"
#include "render_environment.h"
#include "text_style.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <map>
#include <stdexcept>
#include <string_view>

// What the program loads: every file present, at its exact size and pixel
// format, and the same bytes on every run and every machine.
class AssetSetTests : public QObject
{
    Q_OBJECT

public:
    // QTest calls this before it creates the application.
    static void initMain() { RenderEnvironment::pin(); }

private:
    std::vector<AssetSet::Asset> assets_;

    static const std::map<QString, QSize>& expectedSizes()
    {
        static const std::map<QString, QSize> sizes{
            {"icon-32.png", {32, 32}},
            {"icon-48.png", {48, 48}},
            {"icon-64.png", {64, 64}},
            {"icon-128.png", {128, 128}},
            {"icon-256.png", {256, 256}},
            {"emblem.jpg", {219, 120}},
            {"warriors.jpg", {203, 186}},
            {"conversion-background.png", {437, 144}},
            {"blink-strip.png", {232, 288}},
            {"glyph-to-imperial.png", {32, 16}},
            {"glyph-from-imperial.png", {32, 16}},
            {"glyph-help.png", {32, 16}},
            {"glyph-past.png", {32, 16}},
            {"glyph-future.png", {32, 16}},
            {"starfield.jpg", {489, 337}},
            {"battle-strip.jpg", {437, 28}},
            {"links.jpg", {437, 144}},
            {"portrait.jpg", {77, 129}},
        };
        return sizes;
    }

    // Runs the generator itself, as tools/make-assets.sh does.
    static bool generate(const QProcessEnvironment& environment, const QString& folder)
    {
        QProcess generator;
        generator.setProcessEnvironment(environment);
        generator.setProcessChannelMode(QProcess::ForwardedChannels);
        generator.start(QStringLiteral(ASSETGEN_EXECUTABLE), {folder});
        // No time limit of our own: ctest already stops a test that hangs.
        return generator.waitForFinished(-1) && generator.exitStatus() == QProcess::NormalExit &&
               generator.exitCode() == 0;
    }

private slots:
    void initTestCase() { assets_ = AssetSet::renderAll(); }

    void everyFileIsRenderedAtItsSize()
    {
        QCOMPARE(assets_.size(), expectedSizes().size());
        for (const AssetSet::Asset& asset : assets_) {
            const auto expected = expectedSizes().find(asset.FileName);
            QVERIFY2(expected != expectedSizes().end(), qPrintable(asset.FileName));
            QCOMPARE(asset.Image.size(), expected->second);
        }
    }

    void renderingIsRepeatable()
    {
        const std::vector<AssetSet::Asset> again = AssetSet::renderAll();
        QCOMPARE(again.size(), assets_.size());
        for (std::size_t i = 0; i < again.size(); ++i) {
            QVERIFY2(again[i].Image == assets_[i].Image, qPrintable(again[i].FileName));
        }
    }

    void writtenFilesReadBackAsTheProgramNeedsThem()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        AssetSet::writeAll(assets_, AssetWriter(dir.path()));
        for (const AssetSet::Asset& asset : assets_) {
            QImageReader reader(dir.filePath(asset.FileName));
            const QByteArray format = reader.format();
            const QImage read = reader.read();
            QVERIFY2(!read.isNull(), qPrintable(asset.FileName));
            QCOMPARE(read.size(), asset.Image.size());
            switch (asset.Encoding) {
            case AssetSet::Encoding::RgbPng:
                // Lossless and without alpha: the blink strip relies on both.
                QVERIFY(!read.hasAlphaChannel());
                QCOMPARE(read.convertToFormat(QImage::Format_RGB888),
                         asset.Image.convertToFormat(QImage::Format_RGB888));
                break;
            case AssetSet::Encoding::IndexedPng:
                QCOMPARE(read.format(), QImage::Format_Indexed8);
                QVERIFY(read.colorCount() <= 256);
                break;
            case AssetSet::Encoding::Jpeg:
                QCOMPARE(format, QByteArray("jpeg"));
                break;
            }
        }
    }

    void filesDoNotDependOnTheMachinesSetup()
    {
        // A desktop's own font settings, which copy of a face fontconfig
        // happens to prefer, and the display in use: none of them may reach
        // a pixel, or the committed pictures differ from machine to machine.
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("fontconfig")));
        QFile settings(home.filePath(QStringLiteral("fontconfig/fonts.conf")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <selectfont><rejectfont>
    <glob>/usr/share/fonts/type1/*</glob><glob>/usr/share/fonts/X11/*</glob>
  </rejectfont></selectfont>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>false</bool></edit>
    <edit name="autohint" mode="assign"><bool>true</bool></edit>
    <edit name="rgba" mode="assign"><const>rgb</const></edit>
  </match>
</fontconfig>
)");
        settings.close();
        QProcessEnvironment desktop = QProcessEnvironment::systemEnvironment();
        desktop.insert(QStringLiteral("HOME"), home.path());
        desktop.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        desktop.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("minimal"));

        const QString plain = home.filePath(QStringLiteral("plain"));
        const QString other = home.filePath(QStringLiteral("desktop"));
        QVERIFY(generate(QProcessEnvironment::systemEnvironment(), plain));
        QVERIFY(generate(desktop, other));
        for (const AssetSet::Asset& asset : assets_) {
            QFile a(QDir(plain).filePath(asset.FileName));
            QFile b(QDir(other).filePath(asset.FileName));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QVERIFY2(a.readAll() == b.readAll(), qPrintable(asset.FileName));
        }
    }

    void missingFontStopsTheRun()
    {
        // Drawing in whatever face fontconfig offers instead is how the
        // pictures came to differ between machines.
        const std::array<RenderEnvironment::Face, 1> missing{
            {{TextStyle::SansFamily, "/nonexistent/fonts", "fonts-nowhere"}}};
        try {
            RenderEnvironment::pin(missing);
            QFAIL("a missing font went unnoticed");
        } catch (const std::runtime_error& e) {
            QVERIFY2(std::string_view(e.what()).find("fonts-nowhere") != std::string_view::npos,
                     e.what());
        }
    }

    void writerReportsFailure()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const AssetWriter writer(dir.path());
        QImage tiny(4, 4, QImage::Format_RGB32);
        tiny.fill(Qt::red);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 writer.writeRgbPng(tiny, "missing-folder/x.png"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, writer.writeIndexedPng(tiny, "x.png"));
    }
};

QTEST_MAIN(AssetSetTests)
#include "asset_set_tests.moc"
