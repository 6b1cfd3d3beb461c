// Starts one program on the current X display and measures, from the X server's own events and
// from /proc, how long it takes to show its first frame, how much memory it then holds and how
// often it wakes up while idle. Prints one line of key=value pairs for run.sh to collect.
//
// Why X events and not polling: a poll (xdotool --sync and the like) looks every half second,
// far coarser than the start-up being measured. Here the probe selects SubstructureNotify on the
// root window, so the server tells it the moment a top-level window is created and mapped, and it
// puts a DAMAGE object (raw rectangles) on every new top-level window before the program can draw
// into it, so the server also tells it of every drawing into the window, including the first.
// A window with a background colour is filled by the server itself when it is mapped, before the
// program has drawn anything, and DAMAGE reports that fill too. So the probe also selects
// Expose on the window: the server sends Expose right after any such fill, and drawing reported
// before the first Expose is set aside as the server's. That selection can come too late: Qt
// may send the window's creation and its mapping in one batch, which the server carries out
// before it reads the probe's request. Then no Expose comes (expose_ms=NA) and the first
// drawing after the map counts; Qt's top-level windows have no background (none was filled in
// any start where the Expose was seen), so that is the program's own first paint all the same.
// Each event is stamped with CLOCK_MONOTONIC the moment the probe reads it; the start instant is
// read just before fork(), so exec, dynamic linking and Qt's set-up all count. The probe runs
// at a real-time priority where it may (as root), so that on a busy machine it reads each event
// at once rather than after the program's next time slice; the program itself gets the normal
// policy back at the fork. As a check the first paint is also given by the server's own stamp
// on the DAMAGE event, in whole milliseconds of the same clock (paint_srv_ms).
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <poll.h>
#include <sched.h>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

[[noreturn]] void Die(const std::string& message)
{
    std::fprintf(stderr, "startup_probe: %s\n", message.c_str());
    std::exit(2);
}

// The integer at the start of a text, after any blanks, and where it ends; nullopt when there is
// none. Everything this probe reads is a number that the kernel or the command line wrote.
std::optional<std::pair<long long, const char*>> LeadingInteger(std::string_view text)
{
    const auto start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data() + start, end, value);
    if (error != std::errc()) {
        return std::nullopt;
    }
    return std::pair{value, next};
}

// A number from /proc, 0 when it cannot be read (the task has just ended).
long long ProcInteger(std::string_view text)
{
    const auto parsed = LeadingInteger(text);
    return parsed ? parsed->first : 0;
}

struct Options
{
    double RssAt = 3.0;    // seconds after start when the resident memory is read
    double IdleFrom = 5.0; // seconds after start when the idle window opens
    double IdleFor = 20.0; // length of the idle window in seconds
    double PaintTimeout = 30.0;
    std::string ChildOutput = "/dev/null";
    // A left click at this point of the window (window coordinates) once the first frame is
    // complete: it brings up another page, so that the idle figures are those of that page.
    std::optional<std::pair<int, int>> Click;
    std::optional<pid_t> ServerPid; // the X server's, to tell its share of the start-up work
    std::optional<int> Nice;        // the program's nice value, when it should not be 0
    std::vector<char*> Command;
};

void Usage()
{
    std::fprintf(stderr,
                 "usage: startup_probe [--rss-at S] [--idle-from S] [--idle S] "
                 "[--paint-timeout S] [--child-output FILE] [--click X,Y] [--server-pid PID] "
                 "[--nice N] "
                 "-- PROGRAM [ARGS...]\n");
    std::exit(2);
}

Options ParseOptions(int argc, char* argv[])
{
    Options options;
    int i = 1;
    const auto number = [&](const char* name) {
        if (i + 1 >= argc) {
            Die(std::string("missing value after ") + name);
        }
        char* end = nullptr;
        const double value = std::strtod(argv[i + 1], &end);
        if (end == argv[i + 1] || *end != '\0' || value < 0) {
            Die(std::string("bad value after ") + name);
        }
        ++i;
        return value;
    };
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rss-at") {
            options.RssAt = number("--rss-at");
        } else if (arg == "--idle-from") {
            options.IdleFrom = number("--idle-from");
        } else if (arg == "--idle") {
            options.IdleFor = number("--idle");
        } else if (arg == "--paint-timeout") {
            options.PaintTimeout = number("--paint-timeout");
        } else if (arg == "--child-output") {
            if (i + 1 >= argc) {
                Usage();
            }
            options.ChildOutput = argv[++i];
        } else if (arg == "--server-pid") {
            options.ServerPid = static_cast<pid_t>(number("--server-pid"));
        } else if (arg == "--nice") {
            const auto parsed = i + 1 < argc ? LeadingInteger(argv[i + 1]) : std::nullopt;
            if (!parsed || *parsed->second != '\0') {
                Usage();
            }
            options.Nice = static_cast<int>(parsed->first);
            ++i;
        } else if (arg == "--click") {
            const auto x = i + 1 < argc ? LeadingInteger(argv[i + 1]) : std::nullopt;
            const auto y = x && *x->second == ',' ? LeadingInteger(x->second + 1) : std::nullopt;
            if (!y || *y->second != '\0') {
                Usage();
            }
            options.Click = std::pair{static_cast<int>(x->first), static_cast<int>(y->first)};
            ++i;
        } else if (arg == "--") {
            ++i;
            break;
        } else {
            Usage();
        }
    }
    for (; i < argc; ++i) {
        options.Command.push_back(argv[i]);
    }
    if (options.Command.empty() || options.IdleFrom < options.RssAt) {
        Usage();
    }
    options.Command.push_back(nullptr);
    return options;
}

// ---- /proc ----------------------------------------------------------------------------------

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A "Key:   value" line of /proc/.../status; -1 when it is missing.
long long StatusField(const std::string& status, const std::string& key)
{
    std::istringstream lines(status);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            return ProcInteger(std::string_view(line).substr(key.size() + 1));
        }
    }
    return -1;
}

struct ThreadSample
{
    long long Ticks = 0;       // utime + stime, in clock ticks (usually 10 ms)
    long long RuntimeNs = 0;   // time on the CPU from schedstat, in nanoseconds
    long long Voluntary = 0;   // the thread went to sleep of itself: one wake-up each
    long long Involuntary = 0; // the scheduler took the CPU from it
};

std::optional<ThreadSample> SampleThread(const std::filesystem::path& task)
{
    const std::string stat = ReadFile(task / "stat");
    // The command name in parentheses may hold spaces: the fields are counted after its end.
    const auto close = stat.rfind(')');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(stat.substr(close + 2));
    std::vector<std::string> values;
    for (std::string value; fields >> value;) {
        values.push_back(value);
    }
    // After the name: state is field 3, utime field 14, stime field 15 of proc(5).
    if (values.size() < 13) {
        return std::nullopt;
    }
    ThreadSample sample;
    sample.Ticks = ProcInteger(values[11]) + ProcInteger(values[12]);
    sample.RuntimeNs = ProcInteger(ReadFile(task / "schedstat"));
    const std::string status = ReadFile(task / "status");
    sample.Voluntary = StatusField(status, "voluntary_ctxt_switches");
    sample.Involuntary = StatusField(status, "nonvoluntary_ctxt_switches");
    return sample;
}

std::map<long, ThreadSample> SampleProcess(pid_t pid)
{
    std::map<long, ThreadSample> threads;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& entry : std::filesystem::directory_iterator(tasks, error)) {
        if (auto sample = SampleThread(entry.path())) {
            threads[static_cast<long>(ProcInteger(entry.path().filename().string()))] = *sample;
        }
    }
    return threads;
}

// CPU time of all the process's present threads so far, in milliseconds: schedstat alone, so
// that the reading is quick enough to take the moment the first paint is seen.
double RuntimeMs(pid_t pid)
{
    long long ns = 0;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& entry : std::filesystem::directory_iterator(tasks, error)) {
        ns += ProcInteger(ReadFile(entry.path() / "schedstat"));
    }
    return static_cast<double>(ns) / 1e6;
}

// Minor page faults of the whole process so far: each maps a page of a library, a font or the
// heap in, the kernel's main work in a start-up.
long long MinorFaults(pid_t pid)
{
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos) {
        return -1;
    }
    std::istringstream fields(stat.substr(close + 2));
    std::string value;
    // After the name: state, ppid, pgrp, session, tty_nr, tpgid, flags, then minflt.
    for (int field = 0; field < 8; ++field) {
        fields >> value;
    }
    return ProcInteger(value);
}

// The change over the idle window. A thread born inside it counts from zero; one that ended
// inside it is lost, which run.sh's thread counts make visible.
ThreadSample Delta(const std::map<long, ThreadSample>& before,
                   const std::map<long, ThreadSample>& after, std::optional<long> only)
{
    ThreadSample sum;
    for (const auto& [tid, end] : after) {
        if (only && tid != *only) {
            continue;
        }
        ThreadSample start;
        if (const auto found = before.find(tid); found != before.end()) {
            start = found->second;
        }
        sum.Ticks += end.Ticks - start.Ticks;
        sum.RuntimeNs += end.RuntimeNs - start.RuntimeNs;
        sum.Voluntary += end.Voluntary - start.Voluntary;
        sum.Involuntary += end.Involuntary - start.Involuntary;
    }
    return sum;
}

// The whole machine's busy and idle time, from /proc/stat, in clock ticks: over an idle window
// the machine should be all but idle, and a busy one says another program disturbed the run.
struct MachineTimes
{
    long long Busy = 0;
    long long Idle = 0;
};

MachineTimes SampleMachine()
{
    std::istringstream line(ReadFile("/proc/stat"));
    std::string cpu;
    line >> cpu;
    MachineTimes times;
    // user nice system idle iowait irq softirq steal: idle and iowait are the idle ones.
    for (int field = 0; field < 8; ++field) {
        long long value = 0;
        line >> value;
        (field == 3 || field == 4 ? times.Idle : times.Busy) += value;
    }
    return times;
}

// ---- X ----------------------------------------------------------------------------------------

struct FreeDeleter
{
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

struct TopLevel
{
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
};

struct Observations
{
    std::optional<double> MapMs;
    std::optional<double> ExposeMs;
    int ServerFills = 0; // drawing reported just before the first Expose: the server's fill
    std::optional<double> FirstPaintMs;
    std::optional<std::int32_t> FirstPaintServerMs;
    std::optional<double> FullFrameMs; // when the damage first covered the whole window
    long FirstPaintArea = 0;
    int PaintsBeforeFull = 0;
    std::function<void()> OnFirstPaint; // called the moment the first paint is seen
    int IdleDamageEvents = 0;
};

class Watcher
{
public:
    Watcher()
    {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_) != 0) {
            Die("cannot connect to the X display in DISPLAY");
        }
        // The program must not inherit the probe's connection.
        const int fd = xcb_get_file_descriptor(connection_);
        fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;

        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0) {
            Die("the X server has no DAMAGE extension");
        }
        damageEventBase_ = damage->first_event;
        const Reply<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(
            connection_,
            xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION,
                                     XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        if (!version) {
            Die("DAMAGE version query failed");
        }
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        const xcb_query_extension_reply_t* test = xcb_get_extension_data(connection_, &xcb_test_id);
        hasTest_ = test != nullptr && test->present != 0;
        const Reply<xcb_generic_error_t> error(xcb_request_check(
            connection_,
            xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask)));
        if (error) {
            Die("cannot watch the root window");
        }
    }

    ~Watcher() { xcb_disconnect(connection_); }
    Watcher(const Watcher&) = delete;
    Watcher& operator=(const Watcher&) = delete;

    int fd() const { return xcb_get_file_descriptor(connection_); }

    void setStart(Clock::time_point start)
    {
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(start.time_since_epoch());
        startServerTime_ = static_cast<xcb_timestamp_t>(ms.count());
    }

    // Handles every queued event; `idle` says whether drawing now counts as an idle repaint.
    void drain(Clock::time_point start, Observations& seen, bool idle)
    {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(connection_)) {
            const Reply<xcb_generic_event_t> event(raw);
            handle(*event, MillisecondsBetween(start, Clock::now()), seen, idle);
        }
        if (xcb_connection_has_error(connection_) != 0) {
            Die("the X connection broke");
        }
    }

    // Presses and releases the left button at a point of the watched window, as a person would.
    void click(int x, int y)
    {
        if (!target_ || !hasTest_) {
            Die("cannot click: no window mapped, or no XTEST extension");
        }
        const Reply<xcb_translate_coordinates_reply_t> where(xcb_translate_coordinates_reply(
            connection_,
            xcb_translate_coordinates(connection_, *target_, root_, static_cast<std::int16_t>(x),
                                      static_cast<std::int16_t>(y)),
            nullptr));
        if (!where) {
            Die("cannot find the window on the screen");
        }
        xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_,
                            where->dst_x, where->dst_y, 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, root_, 0, 0, 0);
        xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root_, 0, 0, 0);
        xcb_flush(connection_);
    }

private:
    void handle(const xcb_generic_event_t& event, double ms, Observations& seen, bool idle)
    {
        const int type = event.response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
            if (created.parent == root_ && created.override_redirect == 0) {
                // Damage is put on before the window can be mapped, so no drawing slips by.
                xcb_damage_create(connection_, xcb_generate_id(connection_), created.window,
                                  XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                // Event masks are per client: this adds the probe's, the program keeps its own.
                const std::uint32_t mask = XCB_EVENT_MASK_EXPOSURE;
                xcb_change_window_attributes(connection_, created.window, XCB_CW_EVENT_MASK, &mask);
                xcb_flush(connection_);
                windows_[created.window] = TopLevel{created.width, created.height};
            }
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            const auto& configured = reinterpret_cast<const xcb_configure_notify_event_t&>(event);
            if (const auto found = windows_.find(configured.window); found != windows_.end()) {
                found->second = TopLevel{configured.width, configured.height};
            }
        } else if (type == XCB_MAP_NOTIFY) {
            const auto& mapped = reinterpret_cast<const xcb_map_notify_event_t&>(event);
            if (!target_ && mapped.event == root_ && windows_.contains(mapped.window)) {
                target_ = mapped.window;
                seen.MapMs = ms;
                const TopLevel& size = windows_[mapped.window];
                covered_.assign(static_cast<std::size_t>(size.Width) * size.Height, 0);
                uncovered_ = covered_.size();
            }
        } else if (type == XCB_EXPOSE) {
            const auto& exposed = reinterpret_cast<const xcb_expose_event_t&>(event);
            if (target_ && exposed.window == *target_ && !seen.ExposeMs) {
                seen.ExposeMs = ms;
                // What was drawn before it came from the server: the program's count starts now.
                seen.ServerFills = seen.PaintsBeforeFull;
                seen.FirstPaintMs.reset();
                seen.FirstPaintServerMs.reset();
                seen.FullFrameMs.reset();
                seen.FirstPaintArea = 0;
                seen.PaintsBeforeFull = 0;
                std::fill(covered_.begin(), covered_.end(), 0);
                uncovered_ = covered_.size();
            }
        } else if (type == damageEventBase_ + XCB_DAMAGE_NOTIFY) {
            const auto& damage = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
            if (target_ && damage.drawable == *target_) {
                onDamage(damage.area, damage.timestamp, ms, seen, idle);
            }
        }
    }

    void onDamage(const xcb_rectangle_t& area, xcb_timestamp_t serverTime, double ms,
                  Observations& seen, bool idle)
    {
        if (idle) {
            ++seen.IdleDamageEvents;
        }
        if (!seen.FirstPaintMs) {
            seen.FirstPaintMs = ms;
            // The server's clock is CLOCK_MONOTONIC in milliseconds, cut to 32 bits.
            seen.FirstPaintServerMs = static_cast<std::int32_t>(serverTime - startServerTime_);
            if (seen.OnFirstPaint) {
                seen.OnFirstPaint();
            }
            seen.FirstPaintArea = static_cast<long>(area.width) * area.height;
        }
        if (seen.FullFrameMs) {
            return;
        }
        ++seen.PaintsBeforeFull;
        const TopLevel& size = windows_[*target_];
        const int right = std::min<int>(area.x + area.width, size.Width);
        const int bottom = std::min<int>(area.y + area.height, size.Height);
        for (int y = std::max<int>(area.y, 0); y < bottom; ++y) {
            for (int x = std::max<int>(area.x, 0); x < right; ++x) {
                std::uint8_t& cell = covered_[static_cast<std::size_t>(y) * size.Width +
                                              static_cast<std::size_t>(x)];
                if (cell == 0) {
                    cell = 1;
                    --uncovered_;
                }
            }
        }
        if (uncovered_ == 0) {
            seen.FullFrameMs = ms;
        }
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    int damageEventBase_ = 0;
    bool hasTest_ = false;
    xcb_timestamp_t startServerTime_ = 0;
    std::map<xcb_window_t, TopLevel> windows_;
    std::optional<xcb_window_t> target_;
    std::vector<std::uint8_t> covered_; // one cell per pixel: drawn into yet or not
    std::size_t uncovered_ = 0;
};

// ---- the run ----------------------------------------------------------------------------------

pid_t Launch(const Options& options)
{
    const pid_t pid = fork();
    if (pid < 0) {
        Die("fork failed");
    }
    if (pid == 0) {
        // Should the probe itself be killed, its program goes with it instead of lingering.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() == 1) {
            _exit(127);
        }
        if (options.Nice && setpriority(PRIO_PROCESS, 0, *options.Nice) != 0) {
            std::fprintf(stderr, "startup_probe: cannot set the nice value\n");
            _exit(127);
        }
        const int out = open(options.ChildOutput.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
            close(out);
        }
        execv(options.Command[0], options.Command.data());
        std::fprintf(stderr, "startup_probe: cannot run %s: %s\n", options.Command[0],
                     std::strerror(errno));
        _exit(127);
    }
    return pid;
}

bool StillRunning(pid_t pid)
{
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == 0;
}

// Waits until `until`, handling X events as they come, or until `done` says enough.
template <typename Done>
bool WaitHandling(Watcher& watcher, pid_t pid, Clock::time_point start, Clock::time_point until,
                  Observations& seen, bool idle, Done done)
{
    for (;;) {
        watcher.drain(start, seen, idle);
        if (done()) {
            return true;
        }
        if (!StillRunning(pid)) {
            return false;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0) {
            return true;
        }
        pollfd wanted{watcher.fd(), POLLIN, 0};
        // Short polls only so that an early exit of the program is noticed.
        poll(&wanted, 1, static_cast<int>(std::min<long long>(left.count(), 100)));
    }
}

void Stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 40; ++i) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return;
        }
        usleep(50'000);
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
}

std::string Ms(const std::optional<double>& value)
{
    if (!value) {
        return "NA";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", *value);
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = ParseOptions(argc, argv);
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    sched_param priority{};
    priority.sched_priority = 10;
    const bool realTime = sched_setscheduler(0, SCHED_FIFO | SCHED_RESET_ON_FORK, &priority) == 0;
    Watcher watcher;

    const double serverAtStart = options.ServerPid ? RuntimeMs(*options.ServerPid) : 0.0;
    const auto start = Clock::now();
    watcher.setStart(start);
    const pid_t pid = Launch(options);
    const auto at = [start](double seconds) {
        return start +
               std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    };

    Observations seen;
    // What the program and the X server spent on the CPU up to the first paint: the rest of
    // the wait is neither computing, so it is waiting (disk, the scheduler, round trips).
    std::optional<double> cpuToPaint;
    std::optional<double> serverCpuToPaint;
    long long faultsToPaint = -1;
    seen.OnFirstPaint = [&] {
        cpuToPaint = RuntimeMs(pid);
        faultsToPaint = MinorFaults(pid);
        if (options.ServerPid) {
            serverCpuToPaint = RuntimeMs(*options.ServerPid) - serverAtStart;
        }
    };
    std::string failure;
    // A first frame that never covers the whole window stops the wait at the memory reading.
    // Without an Expose yet, a whole frame may still be a server's fill whose Expose is on its
    // way: a tenth of a second more tells.
    const auto settled = [&] {
        return seen.ExposeMs.has_value() ||
               MillisecondsBetween(start, Clock::now()) > *seen.FullFrameMs + 100.0;
    };
    bool alive = WaitHandling(watcher, pid, start, at(options.PaintTimeout), seen, false, [&] {
        return (seen.FullFrameMs && settled()) ||
               (seen.FirstPaintMs && Clock::now() >= at(std::max(options.RssAt, 0.1)) &&
                (!seen.FullFrameMs || settled()));
    });
    if (!seen.FirstPaintMs) {
        failure = alive ? "no-paint" : "exited-before-paint";
    }

    if (failure.empty() && options.Click) {
        // A short pause first, as a person's click would come, then the page change is drawn
        // long before the idle window opens.
        alive = alive &&
                WaitHandling(watcher, pid, start, Clock::now() + std::chrono::milliseconds(300),
                             seen, false, [] { return false; });
        watcher.click(options.Click->first, options.Click->second);
    }

    long long rssKib = -1;
    long long rssAnonKib = -1; // the program's own pages: heap, pictures, caches
    long long rssFileKib = -1; // pages of libraries and fonts, shared with other programs
    long long threadsAtRss = -1;
    // Again at the end of the idle window: by then every lamp blink has run once, and what was
    // put off at start has been made.
    long long rssEndKib = -1;
    MachineTimes machineBefore;
    MachineTimes machineAfter;
    std::map<long, ThreadSample> before;
    std::map<long, ThreadSample> after;
    if (failure.empty()) {
        alive = alive && WaitHandling(watcher, pid, start, at(options.RssAt), seen, false,
                                      [] { return false; });
        if (alive) {
            const std::string status = ReadFile("/proc/" + std::to_string(pid) + "/status");
            rssKib = StatusField(status, "VmRSS");
            rssAnonKib = StatusField(status, "RssAnon");
            rssFileKib = StatusField(status, "RssFile");
            threadsAtRss = StatusField(status, "Threads");
        }
        alive = alive && WaitHandling(watcher, pid, start, at(options.IdleFrom), seen, false,
                                      [] { return false; });
        if (alive) {
            before = SampleProcess(pid);
            machineBefore = SampleMachine();
        }
        alive = alive && WaitHandling(watcher, pid, start, at(options.IdleFrom + options.IdleFor),
                                      seen, true, [] { return false; });
        if (alive) {
            after = SampleProcess(pid);
            machineAfter = SampleMachine();
            rssEndKib = StatusField(ReadFile("/proc/" + std::to_string(pid) + "/status"), "VmRSS");
        } else {
            failure = "exited-while-idle";
        }
    }
    if (StillRunning(pid)) {
        Stop(pid);
    }

    const ThreadSample gui = Delta(before, after, static_cast<long>(pid));
    const ThreadSample all = Delta(before, after, std::nullopt);
    const auto tickMs = [ticksPerSecond](long long ticks) {
        return static_cast<double>(ticks) * 1000.0 / static_cast<double>(ticksPerSecond);
    };
    const auto nsMs = [](long long ns) { return static_cast<double>(ns) / 1e6; };
    const long long busyTicks = machineAfter.Busy - machineBefore.Busy;
    const long long allTicks = busyTicks + machineAfter.Idle - machineBefore.Idle;
    const double machineBusy =
        allTicks > 0 ? 100.0 * static_cast<double>(busyTicks) / static_cast<double>(allTicks) : 0.0;
    const std::string paintServer =
        seen.FirstPaintServerMs ? std::to_string(*seen.FirstPaintServerMs) : "NA";
    std::printf("status=%s rt=%d map_ms=%s expose_ms=%s server_fills=%d paint_ms=%s "
                "paint_srv_ms=%s cpu_to_paint_ms=%s server_cpu_to_paint_ms=%s faults_to_paint=%lld "
                "frame_ms=%s "
                "first_area=%ld paints_to_frame=%d "
                "rss_kib=%lld rss_anon_kib=%lld rss_file_kib=%lld threads=%lld rss_end_kib=%lld "
                "idle_s=%.1f "
                "gui_cpu_ms=%.0f gui_run_ms=%.2f gui_vcsw=%lld gui_ivcsw=%lld "
                "proc_cpu_ms=%.0f proc_run_ms=%.2f proc_vcsw=%lld proc_ivcsw=%lld "
                "threads_idle=%zu/%zu idle_damage=%d machine_busy_pct=%.1f\n",
                failure.empty() ? "ok" : failure.c_str(), realTime ? 1 : 0, Ms(seen.MapMs).c_str(),
                Ms(seen.ExposeMs).c_str(), seen.ServerFills, Ms(seen.FirstPaintMs).c_str(),
                paintServer.c_str(), Ms(cpuToPaint).c_str(), Ms(serverCpuToPaint).c_str(),
                faultsToPaint, Ms(seen.FullFrameMs).c_str(), seen.FirstPaintArea,
                seen.PaintsBeforeFull, rssKib, rssAnonKib, rssFileKib, threadsAtRss, rssEndKib,
                options.IdleFor, tickMs(gui.Ticks), nsMs(gui.RuntimeNs), gui.Voluntary,
                gui.Involuntary, tickMs(all.Ticks), nsMs(all.RuntimeNs), all.Voluntary,
                all.Involuntary, before.size(), after.size(), seen.IdleDamageEvents, machineBusy);
    return failure.empty() ? 0 : 1;
}
