#pragma once

class FieldStore;
class QIODevice;

/// The kept samples of every numeric field as CSV: a header "time" followed
/// by the field names, then one row per received line that sampled any of
/// them, its time in ISO 8601 (UTC, milliseconds) and each field's value,
/// or nothing where the line had none.
namespace FieldCsv {

/// False when the device refused a write.
bool write(const FieldStore& store, QIODevice& device);

} // namespace FieldCsv
