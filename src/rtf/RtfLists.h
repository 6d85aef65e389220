#pragma once

#include <QString>

#include <array>
#include <map>
#include <vector>

namespace veldra::rtf
{

// One level of a list definition (\listlevel) or of a \pn numbering.
struct RtfListLevel {
    int format = 0;  // \levelnfc: 0 decimal, 1 I, 2 i, 3 A, 4 a, 22 01, 23 bullet, 255 none
    int startAt = 1; // \levelstartat
    int follow = 0;  // \levelfollow: 0 tab, 1 space, 2 nothing
    QString text;    // \leveltext without its length: characters below 9 stand for level numbers
    bool symbolFont = false;
    bool wingdings = false;
    int left = 0; // \li, \fi of the level, twips
    int first = 0;
    bool hasIndent = false;
};

struct RtfList {
    int id = 0;
    std::array<RtfListLevel, 9> levels{};
};

// A \pn numbering: the text before and after a number or a bullet.
struct RtfPn {
    RtfListLevel level;
    QString before; // \pntxtb
    QString after;  // \pntxta
    bool bullet = false;

    bool operator==(const RtfPn &o) const
    {
        return bullet == o.bullet && before == o.before && after == o.after && level.format == o.level.format &&
               level.startAt == o.level.startAt && level.symbolFont == o.level.symbolFont;
    }
};

// The lists of a document and the numbers their paragraphs have reached:
// makes the label ("3.", "b)", "•") of a list paragraph whose document gives
// none as text.
class RtfLists
{
public:
    static constexpr size_t kMaxLists = 1000;
    static constexpr size_t kMaxPns = 1000;

    void addList(const RtfList &list);
    // \listoverride: \lsN stands for the list with `listId`.
    void addOverride(int ls, int listId, const RtfListLevel *ownLevel);
    int addPn(const RtfPn &pn); // index for RtfParaProps::pn, -1 when full

    // The label of the next paragraph of list `ls` at `level`, followed by
    // its separator; empty when the list has no label there. Counts the item.
    QString nextLabel(int ls, int level, int *left, int *first);
    QString nextPnLabel(int pn);
    // A paragraph without numbering: \pn numbering starts again after it.
    void plainParagraph() { ++m_paragraph; }

    static QString FormatNumber(int n, int format);

private:
    struct Override {
        int listId = 0;
        bool hasOwnLevel = false;
        RtfListLevel ownLevel;
    };
    // Numbers go on per list, whichever of its overrides a paragraph names.
    struct Counts {
        std::array<int, 9> counts{};
        std::array<bool, 9> started{};
    };
    struct PnCount {
        int count = 0;
        long long lastParagraph = -1;
    };
    static QString Label(const std::array<RtfListLevel, 9> &levels, const std::array<int, 9> &counts, int level);

    std::map<int, RtfList> m_lists;
    std::map<int, Override> m_overrides;
    std::map<int, Counts> m_counts;
    std::vector<RtfPn> m_pns;
    std::vector<PnCount> m_pnCounts;
    long long m_paragraph = 0;
};

} // namespace veldra::rtf
