// What the browser double keeps for the whole process: its module, the scenario
// the test set, and the failures still to be injected.
#pragma once

#include <windows.h>

#include <optional>

#include "Scenario.h"

namespace browser_double {

extern HINSTANCE g_module;

const Scenario& CurrentScenario();
void SetCurrentScenario(Scenario scenario);
// Removes and returns the first injected failure for this member, if any.
std::optional<InjectedFailure> TakeFailure(Member member);

}  // namespace browser_double
