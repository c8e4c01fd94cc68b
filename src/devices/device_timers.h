#pragma once

#include <chrono>
#include <optional>

namespace mqt {

// Intervals of the main window's one-shot timers for devices and drivers.
inline constexpr std::chrono::milliseconds kTimerAlarmInterval{500};
inline constexpr std::chrono::milliseconds kTimerMouCapInterval{1000};
inline constexpr std::chrono::milliseconds kTimerAdapterInterval{1500};
inline constexpr std::chrono::milliseconds kTimerRemoveDriverInterval{2000};

// Waits inside the driver steps. The listing tool and the device console tool
// run beside the station; these waits are the only coordination with them.
inline constexpr std::chrono::milliseconds kInfSettleDelay{100};
inline constexpr std::chrono::milliseconds kListAfterInstallDelay{1000};
inline constexpr std::chrono::milliseconds kListAfterRemovalDelay{1500};

// What a timer step asks of the window: start its timer again with this
// interval and call the same step when it fires, or (nullopt) nothing more.
using NextStep = std::optional<std::chrono::milliseconds>;

}  // namespace mqt
