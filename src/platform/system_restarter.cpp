#include "platform/system_restarter.h"

#include <QProcess>
#include <QStringList>

namespace mqt {

bool SystemRestarter::Restart() {
  return QProcess::startDetached("systemctl", QStringList{"reboot"});
}

}  // namespace mqt
