#include "afx/Handles.h"

namespace afx {
namespace {
long g_liveHandles = 0;  // the GUI thread is the only one that takes handles
}

long LiveWrappedHandles() noexcept { return g_liveHandles; }

namespace detail {
void CountHandle(long delta) noexcept { g_liveHandles += delta; }
}  // namespace detail

}  // namespace afx
