// The names a refused work file's message gives its values: the settings by
// the names of their dialogs' fields, a water's values by the water form's.
#pragma once

#include <string>

namespace workfile {

// The name of value `field` (in file order) of record `record`: a setting
// ("Bottom Hole Temperature"), a water analysis's field ("Calcium"), "the
// value" of a record that holds one value, or a table's value by its column
// and row (work_file_table_names.h).
[[nodiscard]] std::string ValueName(int record, int field);

// What a message calls record `record` ("surface water analysis").
[[nodiscard]] std::string RecordName(int record);

}  // namespace workfile
