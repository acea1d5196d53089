// The two settings records the save loop writes in turn. They differ in
// length, so a file cut short or written over in part matches neither.
#pragma once

#include <array>

#include "core/rules/user_defaults.h"

namespace korvane::testing {

inline const std::array<UserDefaults, 2> kSaveLoopRecords{
    UserDefaults{"1", "1", "2", "10", "0.44", "5", "Total Free SO2"},
    UserDefaults{"2", "3", "3", "100.000000", "12.345678", "99999.9999", "Molecular SO2"},
};

}  // namespace korvane::testing
