#include "shell/CommandLine.h"

#include "shell/Startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstring>

namespace q716 {

namespace {

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Programmer for the Q716 family of handheld radios: edits the channels "
                       "and settings, reads and writes the radio over the serial programming "
                       "cable and keeps them in channel files (*.DAT)."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Channel file to open at start."),
                                 QStringLiteral("[FILE]"));
}

bool asksForText(const char* argument) {
    for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
        if (std::strcmp(argument, option) == 0)
            return true;
    return false;
}

} // namespace

void answerHelpOrVersion(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (asksForText(argv[i])) {
            QCoreApplication app(argc, argv);
            configureApplication(app);
            QCommandLineParser parser;
            describe(parser);
            parser.process(app); // prints and exits
            return;
        }
    }
}

bool parseCommandLine(const QStringList& arguments, QString* file, QString* error) {
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        *error = QStringLiteral("Only one channel file can be opened at a time.");
        return false;
    }
    *file = files.value(0);
    return true;
}

} // namespace q716
