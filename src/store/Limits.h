#pragma once

namespace veldra::store
{

// What the store keeps of each value. Subjects, authors, bodies and validators
// come from the server, so each one is bounded; a longer text is cut (a body is
// indexed up to its first kMaxBodyChars characters), an over-long file name or
// path is refused and an over-long validator is dropped, which only costs a
// full download next time.
struct Limits {
    static constexpr int kMaxFileNameChars = 255;
    static constexpr int kMaxPathChars = 4096;
    static constexpr int kMaxSubjectChars = 1024;
    static constexpr int kMaxAuthorChars = 1024;
    static constexpr int kMaxBodyChars = 16 * 1024 * 1024;
    static constexpr int kMaxValidatorChars = 1024;

    // A query reads at most this much of what the user typed, and this many words.
    static constexpr int kMaxQueryChars = 1024;
    static constexpr int kMaxQueryTerms = 16;
    // Hits one search returns, best first.
    static constexpr int kMaxHits = 500;
    // Snippets made at a time: each one reads and splits a whole body, so a
    // search makes those of the hits a list shows first only.
    static constexpr int kSnippetHits = 20;
    // A snippet is looked for in the first this many characters of a body.
    static constexpr int kSnippetScanChars = 64 * 1024;
    // Entries the reading history keeps; the oldest go first.
    static constexpr int kMaxHistory = 200;
    // Bookmarks a user may keep.
    static constexpr int kMaxBookmarks = 10000;
};

} // namespace veldra::store
