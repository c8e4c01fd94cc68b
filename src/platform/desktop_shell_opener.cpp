#include "platform/desktop_shell_opener.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <utility>

#include "platform/paths.h"

namespace mqt {

DesktopShellOpener::DesktopShellOpener(HostPathRoots roots) : roots_(std::move(roots)) {}

DesktopShellOpener::DesktopShellOpener() : DesktopShellOpener(DefaultHostPathRoots()) {}

bool DesktopShellOpener::Open(const std::string& document_or_url) {
  const QUrl url = ShellOpenUrl(document_or_url, roots_);
  return !url.isEmpty() && QDesktopServices::openUrl(url);
}

QUrl ShellOpenUrl(const std::string& document_or_url, const HostPathRoots& roots) {
  const QString text = QString::fromStdString(document_or_url).trimmed();
  if (text.isEmpty()) return {};
  // A scheme has two letters at least, so "c:\..." stays a path.
  static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
  if (scheme.match(text).hasMatch()) return QUrl(text);
  if (text.startsWith("www.", Qt::CaseInsensitive)) return QUrl("https://" + text);
  return QUrl::fromLocalFile(QString::fromStdString(ResolveHostPath(text.toStdString(), roots)));
}

}  // namespace mqt
