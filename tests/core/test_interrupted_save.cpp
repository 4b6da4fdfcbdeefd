// A save interrupted halfway, in a child process: the file may not grow past
// a size limit, so the write fails (EFBIG), or the process is killed (SIGKILL)
// with part of the file written. Either way the file under the target name
// keeps its old bytes (or does not appear), for channel files and for the
// `parameter` file the program writes at exit.

#include <QtGlobal>

#ifdef Q_OS_UNIX

#include "files/ChannelFile.h"
#include "shell/ParameterFile.h"
#include "state/InitDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace q716;

namespace {

enum class Interruption {
    WriteFails, // SIGXFSZ ignored: the write past the limit fails with EFBIG
    Killed,     // the write past the limit stops the child, which is then killed
};

struct ChildEnd {
    bool exited = false;
    int exitStatus = -1; // 0: the save reported success, 1: it reported a failure
    int signal = 0;
};

int stoppedPipe = -1;

// Runs in the child when a write would pass the size limit: the bytes below
// the limit are written, the rest of the save has not happened yet. Tells the
// parent and waits to be killed.
void stopMidWrite(int) {
    const char c = 'x';
    if (write(stoppedPipe, &c, 1) < 0)
        _exit(3);
    for (;;)
        pause();
}

// Runs `save` in a child process whose files may not grow beyond `limit`
// bytes.
ChildEnd runInterrupted(Interruption how, rlim_t limit, const std::function<bool()>& save) {
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        stoppedPipe = fds[1];
        const rlimit fileSize{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
            _exit(2);
        std::signal(SIGXFSZ, how == Interruption::WriteFails ? SIG_IGN : stopMidWrite);
        _exit(save() ? 0 : 1);
    }
    close(fds[1]);
    ChildEnd end;
    if (pid < 0) {
        close(fds[0]);
        return end;
    }
    if (how == Interruption::Killed) {
        char c = 0;
        // Blocks until the child is stopped in the middle of its save, or
        // returns 0 when it ended without reaching the limit.
        if (read(fds[0], &c, 1) == 1)
            kill(pid, SIGKILL);
    }
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    end.exited = WIFEXITED(status);
    end.exitStatus = end.exited ? WEXITSTATUS(status) : -1;
    end.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return end;
}

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeContent(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

struct Target {
    const char* what;
    QString name;
    QByteArray existing; // empty: no file before the save
    std::function<bool(const QString& dir)> save;
};

std::vector<Target> targets() {
    EditorState before = freshEditorState();
    before.form1.grid.cell(1, 1) = "435.00000";
    EditorState after = freshEditorState();
    after.form1.grid.cell(2, 1) = "440.00000";
    after.values.embeddedInfo[0] = "NEW";
    const auto saveChannels = [after](const QString& dir) {
        return saveChannelFile(after, QDir(dir).filePath("plan.DAT")).ok();
    };
    // As the program at exit: the file in the configuration folder.
    const auto saveParameter = [](const QString& dir) {
        qputenv("Q716_CONFIG_DIR", dir.toLocal8Bit());
        return writeParameterFile(parameterFilePath(), {1, 20, 1});
    };
    return {
        {"channel file over an old one", "plan.DAT", channelFileBytes(before), saveChannels},
        {"new channel file", "plan.DAT", {}, saveChannels},
        {"parameter file over an old one", "parameter", QByteArray("\x00\x03\x00", 3),
         saveParameter},
        {"new parameter file", "parameter", {}, saveParameter},
    };
}

// Limits below the size of each file: nothing written, a few bytes, half.
std::vector<rlim_t> limitsFor(const Target& t) {
    if (t.name == "parameter")
        return {0, 1, 2};
    return {0, 5, 400, 852};
}

// What is in the folder besides the target file.
QStringList othersIn(const QString& dir, const QString& name) {
    QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    entries.removeAll(name);
    return entries;
}

void expectOldFileKept(const Target& t, const QString& dir, const std::string& label) {
    const QString path = QDir(dir).filePath(t.name);
    if (t.existing.isEmpty())
        EXPECT_FALSE(QFile::exists(path)) << label;
    else
        EXPECT_EQ(contentOf(path), t.existing) << label;
}

} // namespace

TEST(InterruptedSave, AFailingWriteKeepsTheOldFileAndIsReported) {
    for (const Target& t : targets()) {
        for (const rlim_t limit : limitsFor(t)) {
            const std::string label = std::string(t.what) + ", limit " + std::to_string(limit);
            QTemporaryDir dir;
            if (!t.existing.isEmpty())
                writeContent(QDir(dir.path()).filePath(t.name), t.existing);
            const ChildEnd end =
                runInterrupted(Interruption::WriteFails, limit, [&] { return t.save(dir.path()); });
            ASSERT_TRUE(end.exited) << label;
            EXPECT_EQ(end.exitStatus, 1) << label << ": the save reports the failure";
            expectOldFileKept(t, dir.path(), label);
            EXPECT_EQ(othersIn(dir.path(), t.name), QStringList()) << label << ": nothing left";
        }
    }
}

TEST(InterruptedSave, AProcessKilledMidWriteKeepsTheOldFile) {
    for (const Target& t : targets()) {
        for (const rlim_t limit : limitsFor(t)) {
            const std::string label = std::string(t.what) + ", limit " + std::to_string(limit);
            QTemporaryDir dir;
            if (!t.existing.isEmpty())
                writeContent(QDir(dir.path()).filePath(t.name), t.existing);
            const ChildEnd end =
                runInterrupted(Interruption::Killed, limit, [&] { return t.save(dir.path()); });
            ASSERT_EQ(end.signal, SIGKILL) << label << ": killed in the middle of the save";
            expectOldFileKept(t, dir.path(), label);
            // Where the file system has unnamed temporary files (Linux), a
            // killed save leaves nothing; elsewhere the part written may stay
            // behind under a temporary name of its own.
            for (const QString& other : othersIn(dir.path(), t.name)) {
                EXPECT_TRUE(other.startsWith(t.name + ".")) << label << ": " << other.toStdString();
                EXPECT_LE(QFileInfo(QDir(dir.path()).filePath(other)).size(), qint64(limit));
            }
        }
    }
}

#endif // Q_OS_UNIX
