// Identifiers of the executable's resources.
#pragma once
