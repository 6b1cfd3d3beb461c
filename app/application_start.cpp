#include "app/application_start.h"

#include "core/shown_text.h"

#include <QMessageLogContext>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <span>
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
    // The X11 display the command line asks for, if it names one.
    std::optional<std::string> Display;
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

// A variable's value as the one line can show it: quoted by the one rule for text from
// outside, so that it cannot steer the terminal and a runaway value is cut short.
std::string Described(const char* name)
{
    const char* value = std::getenv(name);
    const std::string text = name;
    if (value == nullptr) {
        return text + " is not set";
    }
    return text + " is \"" + ShownText(value) + '"';
}

// Where a piece of a message's text lies.
struct Piece
{
    qsizetype Start = 0;
    qsizetype Length = 0;
};

// The pieces of a message of Qt's that came from the command line or the environment, which
// may be any length and hold anything: in its messages about a platform plugin, the name
// asked for and the folder it was looked for in (the name first; each may hold quote marks,
// so the name runs to the last separator before the folder); in its X11 platform's failure to
// connect, the display's name. The rest of its text is Qt's own.
std::vector<Piece> OutsidePieces(const HeldMessage& message)
{
    const QString& text = message.Text;
    if (message.Category == "qt.qpa.plugin") {
        for (const QString& lead : {QStringLiteral("Could not find the Qt platform plugin \""),
                                    QStringLiteral("Could not load the Qt platform plugin \"")}) {
            const QString between = QStringLiteral("\" in \"");
            const qsizetype name = lead.size();
            const qsizetype folder = text.lastIndexOf(between) + between.size();
            const qsizetype end = text.lastIndexOf(u'"');
            if (text.startsWith(lead) && folder >= name + between.size() && end >= folder) {
                return {{name, folder - between.size() - name}, {folder, end - folder}};
            }
        }
    }
    const QString connect = QStringLiteral("could not connect to display ");
    if (message.Category == "qt.qpa.xcb" && text.startsWith(connect)) {
        return {{connect.size(), text.size() - connect.size()}};
    }
    return {};
}

// A message of Qt's as Qt would write it, each of its lines escaped by the one rule. Qt's own
// words are written whole, whatever their length (its list of the platforms there are makes
// a long line); what came from outside is cut as every quote is.
std::string Formatted(QtMsgType type, const QMessageLogContext& context, const QString& held,
                      const std::vector<Piece>& pieces)
{
    QString text;
    qsizetype at = 0;
    for (const Piece& piece : pieces) {
        text += held.mid(at, piece.Start - at);
        text += QString::fromStdString(CutText(held.mid(piece.Start, piece.Length).toStdString()));
        at = piece.Start + piece.Length;
    }
    text += held.mid(at);
    std::string whole = qFormatLogMessage(type, context, text).toStdString();
    if (whole.ends_with('\n')) {
        whole.pop_back();
    }
    std::string lines;
    for (std::size_t start = 0; start <= whole.size();) {
        const std::size_t end = std::min(whole.find('\n', start), whole.size());
        lines += EscapedText(std::string_view(whole).substr(start, end - start)) + '\n';
        start = end + 1;
    }
    return lines;
}

// The platforms Qt was asked for and has no plugin for, as its warnings on the way name them.
std::vector<std::string> UnknownPlatforms(const std::vector<HeldMessage>& messages)
{
    std::vector<std::string> names;
    for (const HeldMessage& message : messages) {
        if (message.Text.startsWith(QStringLiteral("Could not find "))) {
            if (const std::vector<Piece> pieces = OutsidePieces(message); !pieces.empty()) {
                names.push_back(message.Text.mid(pieces[0].Start, pieces[0].Length).toStdString());
            }
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
        report += (i == 0 ? "\"" : " or \"") + ShownText(names[i]) + '"';
    }
    report += " is available\n";
    for (const HeldMessage& message : messages) {
        const QMessageLogContext held(Pointer(message.File), message.Line,
                                      Pointer(message.Function), Pointer(message.Category));
        report += Formatted(message.Type, held, message.Text, OutsidePieces(message));
    }
    report += Formatted(QtFatalMsg, context, text, {});
    std::fputs(report.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// The X11 display the command line names, as Qt's X11 platform reads it: the argument after
// the last -display or --display that has one. That platform then leaves DISPLAY alone.
std::optional<std::string> AskedDisplay(int argc, const char* const* argv)
{
    const std::span arguments(argv, static_cast<std::size_t>(argc));
    std::optional<std::string> display;
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "-display" || argument == "--display") {
            display = arguments[++i];
        }
    }
    return display;
}

// Qt's only fatal message while the application object is made is that no platform could be
// started, which, unless one was asked for that Qt does not have, means on a desktop system
// that there is no display to connect to. The display the command line asked for is named in
// the place of DISPLAY, which it overrides.
[[noreturn]] void ReportNoDisplay(const std::optional<std::string>& display)
{
    std::string line = "chronavell: no display could be opened: ";
    line += display ? "-display is \"" + ShownText(*display) + '"' : Described("DISPLAY");
    line += ", " + Described("WAYLAND_DISPLAY");
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
        ReportNoDisplay(held.Display);
    }
    held.Messages.push_back({type, Copy(context.file), context.line, Copy(context.function),
                             Copy(context.category), text});
}

} // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv)
{
    // Qt takes its options out of the arguments as it makes the application object.
    {
        HeldMessages& held = Held();
        const std::lock_guard lock(held.Lock);
        held.Display = AskedDisplay(argc, argv);
    }
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
