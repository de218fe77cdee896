#pragma once

#include "base/zukerror.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zuk::app {

// Recovery copies: the text of every document with unsaved changes, kept in
// the parts folder while the program runs, so that a kill or a power loss
// loses at most the last few seconds of typing.
//
// The recovery root (Engine/Parts/recovery/) holds one folder per run,
// run-<pid>-<start ms>/, with a file "lock" that the run holds locked with
// flock() for its whole life. A folder whose lock nobody holds belongs to a
// run that ended without tidying up; only those are offered at start-up, so
// two programs on one program folder never touch each other's copies.
//
// An entry of a run folder is one document: <id>.meta, the description below,
// and the text file it names, <id>-<generation>.txt, holding the document's
// bytes exactly. A new text goes to a new generation before the description
// names it, so a kill between the two writes leaves the older pair whole.

// The description of one entry. Its file is lines of Key=Value after the line
// "ZukRecovery 1" and before the line "End"; the text values are in the
// lossless form of io/pathvalue.h, so no line break or odd byte of a name can
// break a line.
struct RecoveryMeta {
    std::optional<std::string> path; // UTF-8; none: an untitled document
    std::string title;               // the window title
    std::string charset;             // the code page name (Ted::charset())
    std::string syntax;              // the highlighting name; may be empty
    std::string encoding;            // the file encoding (codepages::fileEncodingName); "": none
    std::string lineBreak = "crlf";  // the file's line break (codepages::lineBreakName)
    std::int64_t changedMs = 0;      // the last change, ms since 1970 (UTC)
    std::string textFile;            // the text file's name in the run folder
    std::uint64_t textBytes = 0;     // its size

    bool operator==(const RecoveryMeta& other) const;
};

std::string formatRecoveryMeta(const RecoveryMeta& meta);
// Nothing for a description that is broken, cut short or of another version.
std::optional<RecoveryMeta> parseRecoveryMeta(std::string_view bytes);

// One entry found in a run folder.
struct RecoveryEntry {
    std::string folder; // the run folder, with a trailing '/'
    std::string id;
    RecoveryMeta meta;

    std::string metaPath() const { return folder + id + ".meta"; }
    std::string textPath() const { return folder + meta.textFile; }
};

// What a run folder holds: its whole entries, oldest change first, and the
// description files that could not be used (broken, or their text missing or
// of the wrong size).
struct RecoveryScan {
    std::vector<RecoveryEntry> entries;
    std::vector<std::string> broken;
};
RecoveryScan scanRecoveryFolder(const std::string& folder);

// Writes entry `id` of `folder`: the text under a new generation, then the
// description naming it, both through the safe writer; then the older texts
// of the entry go. `meta.textFile` and `meta.textBytes` are filled here.
// Throws zuk::IoError; the entry as it was before then stays whole.
void writeRecoveryEntry(const std::string& folder, const std::string& id, RecoveryMeta meta,
                        std::string_view text);
// Removes entry `id` of `folder`: its description first, then its texts. An
// entry that is not there is no failure. Throws zuk::IoError.
void removeRecoveryEntry(const std::string& folder, const std::string& id);
// The text of an entry; throws zuk::IoError, or zuk::FormatError when its size
// is not the one the description gives.
std::string readRecoveryText(const RecoveryEntry& entry);

// The folder of this run under `root`, made and locked by the constructor
// (which throws zuk::IoError) and unlocked by the destructor, which leaves the
// entries in it: only a normal exit removes them, with removeAll().
class RecoveryRun final {
public:
    explicit RecoveryRun(const std::string& root);
    ~RecoveryRun();
    RecoveryRun(const RecoveryRun&) = delete;
    RecoveryRun& operator=(const RecoveryRun&) = delete;

    const std::string& folder() const { return m_folder; } // with a trailing '/'
    // Every entry, then the folder itself; the lock goes with it.
    void removeAll();

private:
    std::string m_folder;
    int m_lockFd = -1;
};

// The folders under `root` of runs that are over (their lock was free), taken
// over: they stay locked while the claim lives, so that a third program
// started meanwhile does not offer them too. Folders with nothing left in
// them are removed by the claim. `ownFolder` is never claimed.
class RecoveryClaim final {
public:
    RecoveryClaim(const std::string& root, const std::string& ownFolder);
    ~RecoveryClaim(); // releases the folders that are left, their entries kept
    RecoveryClaim(const RecoveryClaim&) = delete;
    RecoveryClaim& operator=(const RecoveryClaim&) = delete;

    // Oldest change first.
    const std::vector<RecoveryEntry>& entries() const { return m_entries; }
    const std::vector<std::string>& broken() const { return m_broken; }
    // Removes one entry's files (after it was restored, or when it is
    // discarded); throws zuk::IoError.
    void remove(const RecoveryEntry& which);

private:
    struct Folder {
        std::string path;
        int lockFd;
        int brokenCount;
    };
    void releaseFolder(Folder& folder);

    std::vector<Folder> m_folders;
    std::vector<RecoveryEntry> m_entries;
    std::vector<std::string> m_broken;
};

// Writes and removals of the entries of one run folder on a worker thread of
// their own, so that a slow disk never holds up typing. One entry's requests
// are carried out in the order they came; a request for an entry that has one
// waiting replaces it (the newest text wins). Failures go to `onFailure`, on
// the worker thread.
class RecoveryWriter final {
public:
    using Failure = std::function<void(const std::string& id, const ZukError& error)>;
    RecoveryWriter(std::string folder, Failure onFailure);
    ~RecoveryWriter(); // carries out what is waiting, then ends the thread
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void write(const std::string& id, RecoveryMeta meta, std::string text);
    void remove(const std::string& id);
    // Blocks until nothing waits and nothing runs.
    void waitIdle();
    // Requests carried out so far (written or removed), for tests.
    std::uint64_t doneCount() const;

private:
    struct Job {
        bool remove = false;
        RecoveryMeta meta;
        std::string text;
    };
    void queue(const std::string& id, Job job);
    void run();

    const std::string m_folder;
    const Failure m_onFailure;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::map<std::string, Job> m_waiting;
    std::deque<std::string> m_order;
    bool m_busy = false;
    bool m_stop = false;
    std::uint64_t m_done = 0;
    std::thread m_thread; // last: it starts once the rest is made
};

} // namespace zuk::app
