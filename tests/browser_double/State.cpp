#include "State.h"

#include <atomic>

#include "Com.h"

namespace browser_double {

HINSTANCE g_module = nullptr;
std::atomic<long> g_liveObjects{0};

namespace {
Scenario& Current() {
  static Scenario scenario;
  return scenario;
}
}  // namespace

const Scenario& CurrentScenario() { return Current(); }

void SetCurrentScenario(Scenario scenario) { Current() = std::move(scenario); }

std::optional<InjectedFailure> TakeFailure(Member member) {
  std::vector<InjectedFailure>& failures = Current().failures;
  for (auto it = failures.begin(); it != failures.end(); ++it) {
    if (it->member == member) {
      InjectedFailure failure = std::move(*it);
      failures.erase(it);
      return failure;
    }
  }
  return std::nullopt;
}

}  // namespace browser_double
