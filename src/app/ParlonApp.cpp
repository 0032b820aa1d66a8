#include "ParlonApp.h"

#include "ConsoleMessageBox.h"
#include "ConsoleOutput.h"
#include "ConsoleSession.h"
#include "ControlServer.h"
#include "EchoingSynthesizer.h"
#include "ProgramOptions.h"
#include "TerminationSignals.h"
#include "brain/BrainPaths.h"
#include "bubble/bubble.h"
#include "character/frmSmiley.h"
#include "core/Log.h"
#include "core/SystemClock.h"
#include "editor/Form2.h"
#include "engine/NullRecognizer.h"
#include "engine/OwnVoice.h"
#include "engine/SilentSynthesizer.h"
#include "engine/espeak/EspeakSynthesizer.h"
#include "engine/pocketsphinx/PocketSphinxRecognizer.h"
#include "engine/pulse/PulseCapture.h"
#include "engine/pulse/PulsePlayback.h"
#include "platform/FileSystemBrowser.h"
#include "platform/NullTray.h"
#include "platform/linux/PosixProgramLauncher.h"
#include "platform/linux/QtBeeper.h"
#include "platform/linux/QtClipboard.h"
#include "platform/linux/QtMessageBox.h"
#include "platform/linux/QtScheduler.h"
#include "platform/linux/QtTrayIcon.h"
#include "platform/linux/QtUrlOpener.h"
#include "platform/linux/XTestKeySender.h"
#include "shell/Form1.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace {
// Qt's offscreen platform, which the console mode runs on, says for every window that it cannot
// raise it; that is expected there and would only bury real messages.
void quietOffscreenMessages(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
    if (text.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}
} // namespace

int ParlonApp::run(int argc, char** argv) {
    Log::setProgramName("parlon");
    const ProgramOptions options =
        ProgramOptions::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "parlon: %s\nTry \"parlon --help\".\n", options.error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(ProgramOptions::usage().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::puts("parlon 2.0.0");
        return 0;
    }
    if (options.console) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietOffscreenMessages);
    }
    // On Wayland the windows go through XWayland: a shaped, always-on-top window that places
    // itself and keys sent through the X test extension exist only on X11.
    const bool wayland = !options.console && (qgetenv("XDG_SESSION_TYPE") == "wayland" ||
                                              qEnvironmentVariableIsSet("WAYLAND_DISPLAY"));
    if (wayland && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    // The pictures, shapes and positions are in screen pixels: the windows keep their pixel sizes
    // whatever scale the screen or the environment asks for.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    for (const char* scale :
         {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR"})
        qunsetenv(scale);
    QApplication app(argc, argv);
    QApplication::setApplicationName("parlon");
    QApplication::setQuitOnLastWindowClosed(false);

    ControlServer control;
    const Status listening = control.listen();
    if (!listening) {
        if (!options.console && ControlServer::anotherInstanceAnswers()) {
            Log::info("Parlon is already running");
            return 1;
        }
        Log::report("parlonctl cannot reach this program", listening);
    }

    // Benchmarks compare the idle cost with upkeep timers that tick at every interval.
    QtScheduler scheduler(qEnvironmentVariableIsSet("PARLON_LITERAL_UPKEEP")
                              ? QtScheduler::Upkeep::Literal
                              : QtScheduler::Upkeep::OnDemand);
    SystemClock clock;
    XTestKeySender keys;
    QtClipboard clipboard;
    PosixProgramLauncher launcher;
    ConsoleMessageBox consoleMessages;
    QtMessageBox windowMessages;
    MessageBox& messages =
        options.console ? static_cast<MessageBox&>(consoleMessages) : windowMessages;
    NullTray noTray;
    std::unique_ptr<QtTrayIcon> trayIcon;
    if (!options.console)
        trayIcon = std::make_unique<QtTrayIcon>();
    TrayPort& tray = trayIcon ? static_cast<TrayPort&>(*trayIcon) : noTray;

    // The recognizer reads when the voice can be heard, so that it never answers itself.
    OwnVoice ownVoice;
    std::unique_ptr<Synthesizer> speech;
    if (options.speech == ProgramOptions::Speech::Auto)
        speech = std::make_unique<EspeakSynthesizer>(
            scheduler, std::make_unique<PulsePlayback>("Parlon's voice"), &ownVoice);
    else
        speech = std::make_unique<SilentSynthesizer>(
            scheduler, options.speech == ProgramOptions::Speech::Instant
                           ? SilentSynthesizer::Pace::Instant
                           : SilentSynthesizer::Pace::RealTime);
    Synthesizer* voice = speech.get();
    std::unique_ptr<EchoingSynthesizer> echo;
    if (options.console || options.verbose) {
        echo = std::make_unique<EchoingSynthesizer>(
            *voice,
            options.console ? EchoingSynthesizer::To::StandardOutput : EchoingSynthesizer::To::Log);
        voice = echo.get();
    }
    std::unique_ptr<Recognizer> ears;
    if (options.listen)
        ears = std::make_unique<PocketSphinxRecognizer>(
            scheduler, std::make_unique<PulseCapture>("Parlon's ears"), &ownVoice);
    else
        ears = std::make_unique<NullRecognizer>();

    const auto folder = BrainPaths::defaultFolder();
    if (folder.empty())
        Log::warning("neither XDG_DATA_HOME nor HOME says where the brain lives");
    Form1 form1(Form1::Parts{scheduler, *ears, *voice, clock, keys, clipboard, launcher, messages,
                             tray, BrainPaths::inFolder(folder)});
    QtUrlOpener urls;
    QtBeeper beeper;
    FileSystemBrowser files;
    Form2 form2(form1, Form2::Parts{scheduler, urls, beeper, files,
                                    QCoreApplication::applicationDirPath().toStdString(),
                                    QUrl(QStringLiteral(PARLON_NEWS_URL)),
                                    QStringLiteral(PARLON_HOME_URL)});
    frmSmiley character(form1, scheduler);
    bubble speechBubble(scheduler, [&character] { return character.pos(); });
    form1.attachWindows(&form2, &character, &speechBubble);
    auto hear = [&form1, &options](const std::string& phrase) {
        if (options.verbose)
            Log::info("heard: " + ConsoleOutput::oneLine(phrase));
        form1.onPhrase(phrase);
    };
    ears->setPhraseHandler(hear);

    control.addCommand("say", [&hear](const std::string& phrase, std::vector<std::string>&) {
        hear(phrase);
        return Status::success();
    });
    control.addCommand("add", [&form2](const std::string& fields, std::vector<std::string>&) {
        const std::size_t first = fields.find('\t');
        const std::size_t second =
            first == std::string::npos ? first : fields.find('\t', first + 1);
        if (second == std::string::npos || fields.find('\t', second + 1) != std::string::npos)
            return Status::failure("add takes a phrase, a type and an argument");
        return form2.teach(fields.substr(0, first), fields.substr(first + 1, second - first - 1),
                           fields.substr(second + 1));
    });
    control.addCommand("status", [&](const std::string&, std::vector<std::string>& out) {
        const ListeningState& flags = form1.flags;
        const auto hearing = ears->condition();
        const auto speaking = voice->condition();
        const int phrases = ears->grammarPhraseCount();
        out.push_back("running: yes (process " +
                      std::to_string(QCoreApplication::applicationPid()) + ")");
        out.push_back(std::string("state: ") + (flags.listening ? "Listening"
                                                : flags.waiting ? "Waiting"
                                                                : "Asleep"));
        out.push_back("hearing: " + std::string(hearing.working ? "working" : "not working") +
                      (hearing.detail.empty() ? "" : " (" + hearing.detail + ")"));
        out.push_back("speaking: " + std::string(speaking.working ? "working" : "not heard") +
                      (speaking.detail.empty() ? "" : " (" + speaking.detail + ")"));
        out.push_back("brain folder: " + form1.brain().paths().folder.string());
        out.push_back("entries: " + std::to_string(form1.List1.count()));
        out.push_back("grammar phrases: " +
                      (phrases < 0 ? std::string("unknown") : std::to_string(phrases)));
        return Status::success();
    });
    control.addCommand("phrases", [&form1](const std::string&, std::vector<std::string>& out) {
        for (int i = 0; i < form1.List1.count(); ++i)
            out.push_back(form1.List1.item(i) + "\t" + form1.List3.itemOrEmpty(i) + "\t" +
                          form1.List2.itemOrEmpty(i));
        return Status::success();
    });
    control.addCommand("remove", [&form2](const std::string& phrase, std::vector<std::string>&) {
        return form2.forget(phrase);
    });
    QObject::connect(&form1, &Form1::quitRequested, &app,
                     [&] { QApplication::exit(form1.shutdownStatus().ok() ? 0 : 1); });
    TerminationSignals terminationSignals([&form1] { form1.ExitClick(); });

    form1.load();
    if (wayland) {
        Log::info("this is a Wayland session: Parlon runs through XWayland, so it types keys and "
                  "reads the selected text only in programs that run through XWayland too");
        form1.speaker().sayAndShow("On Wayland I can type only into X11 programs");
    }
    std::unique_ptr<ConsoleSession> session;
    if (options.console) {
        const bool literal = qEnvironmentVariableIsSet("PARLON_LITERAL_UPKEEP");
        session = std::make_unique<ConsoleSession>(scheduler, *voice, literal ? 15 : 1, hear,
                                                   [&form1] { form1.ExitClick(); });
        session->start();
    }
    return QApplication::exec();
}
