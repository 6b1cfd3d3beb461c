#include "app/application_start.h"

#include <QMessageLogContext>
#include <QString>

#include <algorithm>
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

// Text as one line can show it: control characters, the line feed among them, as '?'.
std::string Printable(std::string_view text)
{
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7f ? '?' : c;
    }
    return shown;
}

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
    text += " is \"" + Printable(whole.substr(0, LongestShownValue));
    text += whole.size() > LongestShownValue ? "...\"" : "\"";
    return text;
}

// A message of Qt's as Qt would write it, each of its lines printable.
std::string Formatted(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    std::string whole = qFormatLogMessage(type, context, text).toStdString();
    if (whole.ends_with('\n')) {
        whole.pop_back();
    }
    std::string lines;
    for (std::size_t start = 0; start <= whole.size();) {
        const std::size_t end = std::min(whole.find('\n', start), whole.size());
        lines += Printable(std::string_view(whole).substr(start, end - start)) + '\n';
        start = end + 1;
    }
    return lines;
}

// The platforms Qt was asked for and has no plugin for, as its warnings on the way name them.
std::vector<std::string> UnknownPlatforms(const std::vector<HeldMessage>& messages)
{
    std::vector<std::string> names;
    for (const HeldMessage& message : messages) {
        if (message.Category == "qt.qpa.plugin" &&
            message.Text.startsWith(QStringLiteral("Could not find the Qt platform plugin \""))) {
            names.push_back(Printable(message.Text.section(u'"', 1, 1).toStdString()));
        }
    }
    return names;
}

// A platform asked for by name that Qt has no plugin for is a mistake of the command line or
// the environment, not a missing display: the line names it, and Qt's own messages follow,
// since they list the platforms there are.
[[noreturn]] void ReportUnknownPlatforms(const std::vector<std::string>& names,
                                         const std::vector<HeldMessage>& messages,
                                         const QMessageLogContext& context, const QString& text)
{
    std::string report = "chronavell: no platform named ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        report += (i == 0 ? "\"" : " or \"") + names[i] + '"';
    }
    report += " is available\n";
    for (const HeldMessage& message : messages) {
        const QMessageLogContext held(Pointer(message.File), message.Line,
                                      Pointer(message.Function), Pointer(message.Category));
        report += Formatted(message.Type, held, message.Text);
    }
    report += Formatted(QtFatalMsg, context, text);
    std::fputs(report.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// Qt's only fatal message while the application object is made is that no platform could be
// started, which, unless one was asked for that Qt does not have, means on a desktop system
// that there is no display to connect to.
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
    HeldMessages& held = Held();
    const std::lock_guard lock(held.Lock);
    if (type == QtFatalMsg) {
        const std::vector<std::string> unknown = UnknownPlatforms(held.Messages);
        if (!unknown.empty()) {
            ReportUnknownPlatforms(unknown, held.Messages, context, text);
        }
        ReportNoDisplay();
    }
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
