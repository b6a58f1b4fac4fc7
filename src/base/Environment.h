#pragma once

#include <functional>
#include <optional>
#include <string>

namespace zofar {

/// Looks up an environment variable; nothing when it is not set. Tests pass their own.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

/// The process environment through getenv.
EnvironmentLookup SystemEnvironment();

}  // namespace zofar
