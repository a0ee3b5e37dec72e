#include "platform/qt/Process.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace orv {

int RunAndWait(const std::string& program, const std::vector<std::string>& arguments) {
  QStringList args;
  for (const auto& a : arguments) args << QString::fromStdString(a);
  QProcess process;
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.start(QString::fromStdString(program), args);
  if (!process.waitForStarted(-1)) return 0;
  process.waitForFinished(-1);
  return 1;
}

int ShellOpen(const std::string& target) {
  const QString text = QString::fromStdString(target);
  const QUrl url = text.contains("://") ? QUrl(text) : QUrl::fromLocalFile(text);
  QDesktopServices::openUrl(url);
  return 0;
}

}  // namespace orv
