#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QScreen>

#include "app/commandline.h"
#include "app/tform1.h"
#include "platform/clock.h"
#include "platform/programfolder.h"
#include "platform/qtdialogs.h"
#include "platform/random.h"
#include "platform/userfolder.h"

int main(int argc, char* argv[]) {
  // The embedded web views cannot use their sandbox when the program runs as root.
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX") && geteuid() == 0) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  // The embedded web views share their rendering context with the windows.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Roadquiz 2015"));
  QApplication::setApplicationVersion(QStringLiteral(RQ_VERSION));
  QApplication::setOrganizationName(QStringLiteral("Velmora"));
  QApplication::setDesktopFileName(QStringLiteral("roadquiz2015"));

  const app::CommandLine commandLine =
      app::parseCommandLine(QApplication::arguments(), QDir::currentPath());

  platform::QtDialogs dialogs;
  const QString programFolder = platform::resolveProgramFolder(QApplication::applicationDirPath());
  if (programFolder.isEmpty()) {
    dialogs.error(QStringLiteral("Roadquiz 2015"),
                  QStringLiteral("Please reinstall this software. Some files are missing"));
    return 1;
  }
  QDir::setCurrent(programFolder);

  // Our installation step: the per-user folder with its archive folders and lists.
  QStringList failures;
  if (!platform::ensureUserFolder(&failures)) {
    dialogs.error(QStringLiteral("Roadquiz 2015"),
                  QStringLiteral("Please reinstall this software. Some files are missing\n\n%1")
                      .arg(failures.join(QLatin1Char('\n'))));
  }

  platform::SystemClock clock;
  platform::Random random;
  app::Services services;
  services.dialogs = &dialogs;
  services.clock = &clock;
  services.random = &random;
  services.savedTestFile = commandLine.savedTestFile;

  TForm1 mainWindow(services);
  dialogs.setParent(&mainWindow);
  mainWindow.FormCreate();
  // Without a window manager a maximise request is ignored, so take the screen's
  // working area first.
  if (const QScreen* screen = mainWindow.screen()) {
    mainWindow.setGeometry(screen->availableGeometry());
  }
  mainWindow.showMaximized();
  return QApplication::exec();
}
