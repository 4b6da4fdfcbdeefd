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
    parser.addOption({QStringLiteral("manual"),
                      QStringLiteral("Open the manual in LANGUAGE (zh or en) in the web browser "
                                     "instead of the window."),
                      QStringLiteral("LANGUAGE")});
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

bool parseCommandLine(const QStringList& arguments, CommandLine* parsed, QString* error) {
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
    *parsed = CommandLine{files.value(0), -1};
    if (!parser.isSet(QStringLiteral("manual")))
        return true;
    const QString language = parser.value(QStringLiteral("manual"));
    if (language == QLatin1String("zh"))
        parsed->manualLanguage = 0;
    else if (language == QLatin1String("en"))
        parsed->manualLanguage = 1;
    else {
        *error = QStringLiteral("The manual is in zh (Chinese) or en (English), not \"%1\".")
                     .arg(language);
        return false;
    }
    if (!parsed->file.isEmpty()) {
        *error = QStringLiteral("--manual opens the manual only; it takes no channel file.");
        return false;
    }
    return true;
}

} // namespace q716
