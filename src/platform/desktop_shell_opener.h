#pragma once

#include <QUrl>
#include <string>

#include "platform/host_path.h"
#include "platform/shell_opener.h"

namespace mqt {

// The shell's "open" verb through QDesktopServices::openUrl: web addresses go
// to the browser, documents to the desktop's viewer for their type.
class DesktopShellOpener : public ShellOpener {
 public:
  explicit DesktopShellOpener(HostPathRoots roots);
  DesktopShellOpener();  // the roots of this run

  // False for an empty text or when the desktop could not open it.
  bool Open(const std::string& document_or_url) override;

 private:
  HostPathRoots roots_;
};

// What Open hands to the desktop: a text with a scheme ("https://...",
// "mailto:...") as it stands, "www...." as an https address, anything else as
// a Windows-style path resolved with ResolveHostPath, as a file URL. Empty
// for an empty text.
QUrl ShellOpenUrl(const std::string& document_or_url, const HostPathRoots& roots);

}  // namespace mqt
