#include "app/application_start.h"

#include <QMessageLogContext>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chronavell {
namespace {

// A message as Qt gave it, kept until it is known whether the display opened.
struct HeldMessage
{
    QtMsgType Type;
    std::optional<std::string> File;
    int Line;
    std::optional<std::string> Function;
    std::optional<std::string> Category;
    QString Text;
};

struct HeldMessages
{
    std::mutex Lock;
    std::vector<HeldMessage> Messages;
};

HeldMessages& Held()
{
    static HeldMessages held;
    return held;
}

std::optional<std::string> Copy(const char* text)
{
    return text == nullptr ? std::nullopt : std::optional<std::string>(text);
}

const char* Pointer(const std::optional<std::string>& text)
{
    return text ? text->c_str() : nullptr;
}

constexpr std::size_t LongestShownValue = 100;

// A variable's value as the one line can show it: quoted, control characters as '?', a
// runaway value cut short.
std::string Described(const char* name)
{
    const char* value = std::getenv(name);
    std::string text = name;
    if (value == nullptr) {
        return text + " is not set";
    }
    const std::string_view whole(value);
    text += " is \"";
    for (const char c : whole.substr(0, LongestShownValue)) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte < 0x20 || byte == 0x7f ? '?' : c;
    }
    text += whole.size() > LongestShownValue ? "...\"" : "\"";
    return text;
}

// Qt's only fatal message while the application object is made is that no platform could be
// started, which on a desktop system means that there is no display to connect to.
[[noreturn]] void ReportNoDisplay()
{
    std::string line = "chronavell: no display could be opened: " + Described("DISPLAY") + ", " +
                       Described("WAYLAND_DISPLAY");
    if (std::getenv("QT_QPA_PLATFORM") != nullptr) {
        line += ", " + Described("QT_QPA_PLATFORM");
    }
    line += '\n';
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    // Nothing is set up yet that needs tearing down, and Qt's half-made objects must not be.
    std::_Exit(1);
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        ReportNoDisplay();
    }
    HeldMessages& held = Held();
    const std::lock_guard lock(held.Lock);
    held.Messages.push_back({type, Copy(context.file), context.line, Copy(context.function),
                             Copy(context.category), text});
}

} // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);

    HeldMessages& held = Held();
    const std::lock_guard lock(held.Lock);
    for (const HeldMessage& message : held.Messages) {
        const QMessageLogContext context(Pointer(message.File), message.Line,
                                         Pointer(message.Function), Pointer(message.Category));
        previous(message.Type, context, message.Text);
    }
    held.Messages.clear();
    return application;
}

} // namespace chronavell
