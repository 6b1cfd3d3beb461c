// Draws every picture Chronavell shows and writes them into the folder
// given as the only argument. Run through tools/make-assets.sh.

#include "asset_set.h"
#include "asset_writer.h"
#include "render_environment.h"

#include <QGuiApplication>
#include <QTextStream>

#include <exception>

int main(int argc, char* argv[])
{
    QTextStream err(stderr);
    try {
        RenderEnvironment::pin();
    } catch (const std::exception& e) {
        err << "chronavell-assetgen: " << e.what() << '\n';
        return 1;
    }
    // Text is drawn with the platform's fonts, which need a GUI application
    // object even though no window is ever shown.
    const QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        err << "usage: chronavell-assetgen OUTPUT-FOLDER\n";
        return 2;
    }
    try {
        const AssetWriter writer(args.at(1));
        AssetSet::writeAll(AssetSet::renderAll(), writer);
    } catch (const std::exception& e) {
        err << "chronavell-assetgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
