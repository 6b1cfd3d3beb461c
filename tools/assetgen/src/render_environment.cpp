#include "render_environment.h"

#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <fontconfig/fontconfig.h>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

namespace {

struct ConfigReleaser
{
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};

// Only the packages' own folders, and no configuration file: neither the
// system's nor the user's settings take part, so fontconfig hands Qt no
// antialiasing, hinting or subpixel choices of its own. The folders are
// scanned afresh into a throwaway cache rather than read from whatever
// cache the machine keeps.
std::string ConfigText(std::span<const RenderEnvironment::Face> faces, const QString& cache)
{
    std::set<std::string> folders;
    for (const RenderEnvironment::Face& face : faces) {
        folders.insert(face.Folder);
    }
    std::string text = "<?xml version=\"1.0\"?>\n<fontconfig>\n";
    for (const std::string& folder : folders) {
        text += "  <dir>" + folder + "</dir>\n";
    }
    text += "  <cachedir>" + cache.toStdString() + "</cachedir>\n";
    return text + "</fontconfig>\n";
}

bool HasFamily(FcConfig* config, const std::string& family)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcObjectSet* objects = FcObjectSetCreate();
    FcObjectSetAdd(objects, FC_FAMILY);
    FcFontSet* fonts = FcFontList(config, pattern, objects);
    const bool found = fonts != nullptr && fonts->nfont > 0;
    if (fonts != nullptr) {
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

} // namespace

void RenderEnvironment::pin(std::span<const Face> faces)
{
    // The one variable fontconfig still reads: it would move every folder.
    qunsetenv("FONTCONFIG_SYSROOT");
    const QTemporaryDir cache;
    const std::unique_ptr<FcConfig, ConfigReleaser> config(FcConfigCreate());
    const std::string text = ConfigText(faces, cache.path());
    if (!cache.isValid() || !config ||
        FcConfigParseAndLoadFromMemory(config.get(), reinterpret_cast<const FcChar8*>(text.c_str()),
                                       FcTrue) == FcFalse ||
        FcConfigBuildFonts(config.get()) == FcFalse) {
        throw std::runtime_error("cannot set up the fonts");
    }
    for (const Face& face : faces) {
        const std::string family(face.Family.data(), static_cast<std::size_t>(face.Family.size()));
        if (!HasFamily(config.get(), family)) {
            throw std::runtime_error("font \"" + family + "\" not found in " + face.Folder +
                                     ": install the Debian package " + face.Package);
        }
    }
    // Qt's font database takes the current configuration instead of loading
    // the machine's; being current keeps it alive once ours is released.
    if (FcConfigSetCurrent(config.get()) == FcFalse) {
        throw std::runtime_error("cannot set up the fonts");
    }
    // Offscreen needs no display and reads no desktop font settings.
    qputenv("QT_QPA_PLATFORM", "offscreen");
}
