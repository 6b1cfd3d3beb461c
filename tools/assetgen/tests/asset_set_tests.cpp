#include "asset_set.h"
#include "asset_writer.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <stdexcept>

// What the program loads: every file present, at its exact size and pixel
// format, and the same bytes on every run.
class AssetSetTests : public QObject
{
    Q_OBJECT

    std::vector<AssetSet::Asset> assets_;

    static const std::map<QString, QSize>& expectedSizes()
    {
        static const std::map<QString, QSize> Sizes{
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
        return Sizes;
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
