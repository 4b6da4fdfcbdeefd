// Start-up of the program, from launch until its window is on the screen,
// against a bare Qt window holding a table of the channel table's size
// (17 x 9), and against that window with the program's Chinese captions: the
// part of the wait that is the program's own. They are started in turn, so a
// busy machine slows them alike.
//
// A window counts as shown when the window manager maps the frame that holds
// it, and as drawn once its pixels hold the palette's window colour (before
// that the screen shows what lay beneath). Alongside: the processor time the
// process had used when it was shown, which a busy machine stretches less
// than the wall clock, and its resident memory once the window has settled,
// work put off until after drawing included. Without a display the program
// runs itself again on a private Xvfb with openbox (tests/x11/run-with-x.sh).
// --program names another build of q716 to measure.

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QTableWidget>
#include <QVBoxLayout>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int DefaultRuns = 7;
constexpr auto SettleTime = std::chrono::milliseconds(500);
constexpr auto GiveUpAfter = std::chrono::seconds(20);

// With `chinese`, the table carries the channel table's Chinese headings and
// the texts of a few channels, under a titled frame: what the program's first
// drawing shows beyond digits needs the CJK font faces (the frame's title is
// bold) and their glyph outlines, which a table of digits never loads.
int bareWindow(int argc, char** argv, bool chinese) {
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* table = new QTableWidget(17, 9, &window);
    if (chinese) {
        auto* frame = new QGroupBox(QStringLiteral("机型选择"), &window);
        (new QVBoxLayout(frame))->addWidget(new QLabel(QStringLiteral("机型"), frame));
        layout->addWidget(frame);
        table->setHorizontalHeaderLabels(
            QStringLiteral("信道 接收频率 亚音频 发射频率 亚音频 功率 禁发 宽\\窄带 扫描添加")
                .split(QLatin1Char(' ')));
        const QStringList cells = QStringLiteral("高 关闭 宽带 有").split(QLatin1Char(' '));
        for (int row = 0; row < 5; ++row)
            for (int i = 0; i < cells.size(); ++i)
                table->setItem(row, 5 + i, new QTableWidgetItem(cells[i]));
    }
    layout->addWidget(table);
    window.show();
    return app.exec();
}

// The colour Qt fills a window with, here as in the measured programs.
uint32_t windowColour(int argc, char** argv) {
    const QApplication app(argc, argv);
    return QApplication::palette().color(QPalette::Window).rgb() & 0xffffff;
}

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// The resident set of a process in MB.
double residentMegabytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0;
}

// The processor time all threads of a process have used, in ms.
double processorMilliseconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double ns = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream stat(task.path() / "schedstat");
        double running = 0;
        if (stat >> running)
            ns += running;
    }
    return ns / 1e6;
}

class Display {
  public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_))
            return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        pidAtom_ = atom("_NET_WM_PID");
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }

    bool ok() const { return !xcb_connection_has_error(connection_); }

    // A window manager announces itself on the root window.
    bool hasWindowManager() {
        const xcb_atom_t check = atom("_NET_SUPPORTING_WM_CHECK");
        auto* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, root_, check, XCB_ATOM_WINDOW, 0, 1),
            nullptr);
        const bool found = reply && xcb_get_property_value_length(reply) == 4;
        free(reply);
        return found;
    }

    // The first window of the process that gets mapped; none when the
    // process ends or shows nothing in time.
    std::optional<xcb_window_t> waitForWindowOf(pid_t pid) {
        const auto deadline = Clock::now() + GiveUpAfter;
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                std::optional<xcb_window_t> found;
                if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    if (!map->override_redirect)
                        found = windowOf(map->window, pid, 2);
                }
                free(event);
                if (found)
                    return found;
            }
            if (xcb_connection_has_error(connection_) || waitpid(pid, nullptr, WNOHANG) != 0)
                return std::nullopt;
            poll(&fd, 1, 50);
        }
        return std::nullopt;
    }

    // Waits until the row across the middle of the window holds `colour`.
    bool waitUntilDrawn(xcb_window_t window, uint32_t colour, pid_t pid) {
        auto* geometry =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
        if (!geometry)
            return false;
        const uint16_t width = geometry->width;
        const int16_t middle = int16_t(geometry->height / 2);
        free(geometry);
        const auto deadline = Clock::now() + GiveUpAfter;
        while (Clock::now() < deadline && waitpid(pid, nullptr, WNOHANG) == 0) {
            auto* image = xcb_get_image_reply(connection_,
                                              xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP,
                                                            window, 0, middle, width, 1, ~0u),
                                              nullptr);
            bool drawn = false;
            if (image && image->depth >= 24) {
                const auto* pixels = reinterpret_cast<const uint32_t*>(xcb_get_image_data(image));
                const int count = xcb_get_image_data_length(image) / 4;
                for (int i = 0; i < count && !drawn; ++i)
                    drawn = (pixels[i] & 0xffffff) == colour;
            }
            free(image);
            if (drawn)
                return true;
            usleep(500);
        }
        return false;
    }

    void drain() {
        // A round trip: every event the server sent before is in by then.
        free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            free(event);
    }

  private:
    xcb_atom_t atom(const char* name) {
        auto* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, uint16_t(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return a;
    }

    // The window manager maps its frame; the program's window is inside.
    std::optional<xcb_window_t> windowOf(xcb_window_t window, pid_t pid, int depth) {
        auto* reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        const bool match = reply && xcb_get_property_value_length(reply) == 4 &&
                           *static_cast<uint32_t*>(xcb_get_property_value(reply)) == uint32_t(pid);
        free(reply);
        if (match)
            return window;
        if (depth == 0)
            return std::nullopt;
        auto* tree =
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, window), nullptr);
        if (!tree)
            return std::nullopt;
        const xcb_window_t* children = xcb_query_tree_children(tree);
        std::optional<xcb_window_t> found;
        for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i)
            found = windowOf(children[i], pid, depth - 1);
        free(tree);
        return found;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
};

struct Run {
    double shown;     // ms from launch until the window was mapped
    double drawn;     // ms from launch until it was drawn
    double processor; // ms of processor time used until it was shown
    double megabytes; // resident once settled
};

std::optional<Run> startOnce(Display& display, const std::vector<std::string>& command,
                             uint32_t colour) {
    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    display.drain();
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return std::nullopt;
    std::optional<Run> run;
    if (const std::optional<xcb_window_t> window = display.waitForWindowOf(pid)) {
        const auto shown = Clock::now();
        const double processor = processorMilliseconds(pid);
        if (display.waitUntilDrawn(*window, colour, pid)) {
            const auto drawn = Clock::now();
            while (Clock::now() < drawn + SettleTime && waitpid(pid, nullptr, WNOHANG) == 0)
                usleep(10000);
            run = Run{milliseconds(shown - start), milliseconds(drawn - start), processor,
                      residentMegabytes(pid)};
        }
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Figures {
    std::vector<Run> runs;
    double median(double Run::*field) const {
        std::vector<double> values;
        for (const Run& r : runs)
            values.push_back(r.*field);
        return ::median(values);
    }
    void print(const char* name) const {
        std::printf("%-34s %9.1f %9.1f %9.1f %9.1f\n", name, median(&Run::shown),
                    median(&Run::drawn), median(&Run::processor), median(&Run::megabytes));
    }
    void printRatio(const char* name, const Figures& reference) const {
        std::printf("%-34s %8.2fx %8.2fx %8.2fx %8.2fx\n", name,
                    median(&Run::shown) / reference.median(&Run::shown),
                    median(&Run::drawn) / reference.median(&Run::drawn),
                    median(&Run::processor) / reference.median(&Run::processor),
                    median(&Run::megabytes) / reference.median(&Run::megabytes));
    }
};

int measure(int runs, const std::string& self, const std::string& programPath, uint32_t colour) {
    Display display;
    if (!display.ok()) {
        std::fprintf(stderr, "bench_startup: cannot open the display\n");
        return 1;
    }
    if (!display.hasWindowManager()) {
        std::fprintf(stderr, "bench_startup: no window manager runs on this display\n");
        return 1;
    }
    // The program starts as on a user's first run, in a home of its own.
    char home[] = "/tmp/bench_startup.XXXXXX";
    if (!mkdtemp(home))
        return 1;
    setenv("Q716_CONFIG_DIR", (std::string(home) + "/config").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (std::string(home) + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (std::string(home) + "/data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (std::string(home) + "/cache").c_str(), 1);

    const std::vector<std::string> bare{self, "--bare-window"};
    const std::vector<std::string> bareChinese{self, "--bare-window-zh"};
    const std::vector<std::string> program{programPath};
    Figures bareFigures, chineseFigures, programFigures;
    int status = 0;
    // One untimed start of each first fills the file system's caches.
    for (int i = -1; i < runs && status == 0; ++i) {
        for (auto [command, figures] :
             {std::pair{&bare, &bareFigures}, std::pair{&bareChinese, &chineseFigures},
              std::pair{&program, &programFigures}}) {
            const std::optional<Run> run = startOnce(display, *command, colour);
            if (!run) {
                std::fprintf(stderr, "bench_startup: %s showed no window\n",
                             command->front().c_str());
                status = 1;
                break;
            }
            if (i >= 0)
                figures->runs.push_back(*run);
        }
    }
    std::filesystem::remove_all(home);
    if (status != 0)
        return status;

    std::printf("Start-up, median of %d runs each:\n", runs);
    std::printf("%-34s %9s %9s %9s %9s\n", "", "shown ms", "drawn ms", "CPU ms", "RSS MB");
    bareFigures.print("bare Qt window, 17x9 QTableWidget");
    chineseFigures.print("the same with Chinese captions");
    programFigures.print("q716");
    programFigures.printRatio("q716 / bare window", bareFigures);
    programFigures.printRatio("q716 / with Chinese captions", chineseFigures);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--bare-window") == 0)
        return bareWindow(argc, argv, false);
    if (argc > 1 && std::strcmp(argv[1], "--bare-window-zh") == 0)
        return bareWindow(argc, argv, true);
    int runs = DefaultRuns;
    std::string program = Q716_APP;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--program") == 0) {
            program = argv[i + 1];
        } else {
            std::fprintf(stderr, "usage: bench_startup [--runs N] [--program PATH]\n");
            return 2;
        }
    }
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    if (!std::getenv("DISPLAY")) {
        // A private display with a window manager, as a desktop has.
        std::vector<std::string> args{Q716_RUN_WITH_X, self};
        for (int i = 1; i < argc; ++i)
            args.push_back(argv[i]);
        std::vector<char*> argvX;
        for (std::string& a : args)
            argvX.push_back(a.data());
        argvX.push_back(nullptr);
        execv(argvX[0], argvX.data());
        std::perror("bench_startup: run-with-x.sh");
        return 1;
    }
    return measure(runs, self, program, windowColour(argc, argv));
}
