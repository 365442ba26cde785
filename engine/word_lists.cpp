#include "excuse_engine.h"

namespace engine {

namespace {

using namespace std::string_view_literals;

constexpr std::array qualifiers = {
    "Temporary"sv,      "Intermittant"sv,   "Partial"sv,       "Redundant"sv,
    "Total"sv,          "Multiplexed"sv,    "Inherent"sv,      "Duplicated"sv,
    "Dual - Homed"sv,   "Synchronous"sv,    "Bidirectional"sv, "Serial"sv,
    "Asynchronous"sv,   "Multiple"sv,       "Replicated"sv,    "Non - Replicated"sv,
    "Unregistered"sv,   "Non - Specific"sv, "Generic"sv,       "Migrated"sv,
    "Localised"sv,      "Resignalled"sv,    "Dereferenced"sv,  "Nullified"sv,
    "Aborted"sv,        "Serious"sv,        "Minor"sv,         "Major"sv,
    "Extraneous"sv,     "Illegal"sv,        "Insufficient"sv,  "Viral"sv,
    "Unsupported"sv,    "Outmoded"sv,       "Legacy"sv,        "Permanent"sv,
    "Invalid"sv,        "Deprecated"sv,     "Virtual"sv,       "Unreportable"sv,
    "Undetermined"sv,   "Undiagnosable"sv,  "Unfiltered"sv,    "Static"sv,
    "Dynamic"sv,        "Delayed"sv,        "Immediate"sv,     "Nonfatal"sv,
    "Fatal"sv,          "Non - Valid"sv,    "Unvalidated"sv,   "Non-Static"sv,
    "Unreplicatable"sv, "Non - Serious"sv,
};

constexpr std::array systemParts = {
    "Array"sv,
    "Systems"sv,
    "Hardware"sv,
    "Software"sv,
    "Firmware"sv,
    "Backplane"sv,
    "Logic - Subsystem"sv,
    "Integrity"sv,
    "Subsystem"sv,
    "Memory"sv,
    "Comms"sv,
    "Integrity"sv,
    "Checksum"sv,
    "Protocol"sv,
    "Parity"sv,
    "Bus"sv,
    "Timing"sv,
    "Synchronisation"sv,
    "Topology"sv,
    "Transmission"sv,
    "Reception"sv,
    "Stack"sv,
    "Framing"sv,
    "Code"sv,
    "Programming"sv,
    "Peripheral"sv,
    "Environmental"sv,
    "Loading"sv,
    "Operation"sv,
    "Parameter"sv,
    "Syntax"sv,
    "Initialisation"sv,
    "Execution"sv,
    "Resource"sv,
    "Encryption"sv,
    "Decryption"sv,
    "File"sv,
    "Precondition"sv,
    "Authentication"sv,
    "Paging"sv,
    "Swapfile"sv,
    "Service"sv,
    "Gateway"sv,
    "Request"sv,
    "Proxy"sv,
    "Media"sv,
    "Registry"sv,
    "Configuration"sv,
    "Metadata"sv,
    "Streaming"sv,
    "Retrieval"sv,
    "Installation"sv,
    "Library"sv,
    "Handler"sv,
};

constexpr std::array faults = {
    "Interruption"sv,
    "Destabilisation"sv,
    "Destruction"sv,
    "Desynchronisation"sv,
    "Failure"sv,
    "Dereferencing"sv,
    "Overflow"sv,
    "Underflow"sv,
    "NMI"sv,
    "Interrupt"sv,
    "Corruption"sv,
    "Anomoly"sv,
    "Seizure"sv,
    "Override"sv,
    "Reclock"sv,
    "Rejection"sv,
    "Invalidation"sv,
    "Halt"sv,
    "Exhaustion"sv,
    "Infection"sv,
    "Incompatibility"sv,
    "Timeout"sv,
    "Expiry"sv,
    "Unavailability"sv,
    "Bug"sv,
    "Condition"sv,
    "Crash"sv,
    "Dump"sv,
    "Crashdump"sv,
    "Stackdump"sv,
    "Problem"sv,
    "Lockout"sv,
};

constexpr std::array reports = {
    "Error"sv, "Problem"sv, "Warning"sv, "Signal"sv, "Flag"sv,
};

// Each factor is the list's last index, so every excuse has four words; the first and the last
// word come up half as often as the others.
const std::array<WordList, 4> lists = {{
    {qualifiers, 53.0F},
    {systemParts, 53.0F},
    {faults, 31.0F},
    {reports, 4.0F},
}};

} // namespace

const std::array<WordList, 4>& wordLists() {
    return lists;
}

} // namespace engine
