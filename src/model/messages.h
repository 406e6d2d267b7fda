#pragma once
// Every message the program shows as a pair, what happened and what to do,
// in one table so that the window, the printing and the command line say the
// same words. Texts are UTF-8.

namespace kestrin {

struct MessagePair {
  const char* message;         // what happened
  const char* recommendation;  // what to do
};

extern const MessagePair kMsgCannotReplace;    // an existing target cannot be written
extern const MessagePair kMsgCannotCreate;     // a file cannot be created
extern const MessagePair kMsgCannotOpen;       // a file cannot be opened
extern const MessagePair kMsgLocked;           // panel armed
extern const MessagePair kMsgSaved;
extern const MessagePair kMsgWrittenAndVerified;  // written to the panel and read back
extern const MessagePair kMsgVerifyFailed;        // the panel's disk gave other bytes back
extern const MessagePair kMsgAskDefaults;
extern const MessagePair kMsgContainerHeader;  // not a container of this panel
extern const MessagePair kMsgContainerSize;    // container of a wrong size
extern const MessagePair kMsgReportNotBuilt;   // the PDF could not be drawn
extern const MessagePair kMsgNoPrinter;        // "Печать" with no printer installed

// The confirmation's second line after a write that backed the panel's old
// configuration up.
extern const char kMsgBackupKept[];

// Shown beside the key when a container does not decipher with it.
extern const char kMsgWrongKey[];

}  // namespace kestrin
