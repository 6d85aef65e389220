// Long subjects found in one pass by blocks, against a plain find in every
// field, on texts made of repeats: periodic blocks, runs with and without
// edges inside a subject, subjects that are all one period.
#include "index/AnsiFold.h"
#include "index/FieldPrints.h"
#include "index/Fingerprint.h"
#include "index/LongSubjects.h"
#include "text/FieldScanner.h"

#include <QTest>

#include <atomic>
#include <random>

using namespace veldra::index;
using veldra::text::FieldSpan;

class TestLongSubjects : public QObject
{
    Q_OBJECT
private slots:
    void sameAsPlainFind();
    void stopEnds();
    void fingerprintsAgree();
};

namespace
{

QByteArray Piece(std::mt19937 &rng)
{
    static const QByteArray roots[] = {"a", "ab", "aab", "abA", "abaab", "Abc,", "aaaab"};
    const QByteArray &root = roots[rng() % std::size(roots)];
    QByteArray piece = root.repeated(1 + int(rng() % 12));
    if (rng() % 3 == 0)
        piece += "abc\n"[rng() % 4];
    return piece;
}

} // namespace

void TestLongSubjects::sameAsPlainFind()
{
    const AnsiFold &fold = AnsiFold::instance();
    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 rng(seed);
        QByteArray text;
        while (text.size() < 1500)
            text += Piece(rng);
        std::vector<FieldSpan> fields;
        for (qsizetype pos = 0; pos < text.size();) {
            fields.push_back(veldra::text::NextField(text.constData(), text.size(), pos));
            pos = fields.back().next;
        }
        const qsizetype block = seed % 2 ? 8 : 16;
        std::vector<QByteArray> subjects;
        std::vector<size_t> which;
        for (int i = 0; i < 40; ++i) {
            QByteArray s;
            if (i % 4 == 3) { // one period, perhaps longer than any run
                s = Piece(rng).left(1 + qsizetype(rng() % 3)).repeated(int(2 * block + rng() % 40));
            } else {
                const FieldSpan &f = fields[rng() % fields.size()];
                s = text.mid(f.begin + qsizetype(rng() % 20), 2 * block + qsizetype(rng() % 60));
                if (i % 4 == 2 && !s.isEmpty())
                    s[qsizetype(rng() % s.size())] = 'b';
            }
            if (s.size() < 2 * block)
                continue;
            subjects.push_back(fold.classesOf(s));
            which.push_back(subjects.size() - 1);
            if (i % 4 == 0 && s.size() > 2 * block) { // begins alike, ends apart
                s[s.size() - 1] = s[s.size() - 1] == 'a' ? 'b' : 'a';
                subjects.push_back(fold.classesOf(s));
                which.push_back(subjects.size() - 1);
            }
        }
        std::vector<FieldSpan> last(subjects.size(), FieldSpan{-1, -1, -1});
        FieldSpan lastOfAll;
        QVERIFY(LastFieldsOfLongSubjects(text, subjects, which, 0, block, nullptr, &last, &lastOfAll));
        QCOMPARE(lastOfAll.begin, fields.back().begin);
        for (size_t i = 0; i < subjects.size(); ++i) {
            qsizetype expected = -1;
            for (const FieldSpan &f : fields)
                if (fold.classesOf(text.mid(f.begin, f.end - f.begin)).contains(subjects[i]))
                    expected = f.begin;
            if (last[i].begin != expected)
                qWarning() << "seed" << seed << "block" << block << "subject" << subjects[i];
            QCOMPARE(last[i].begin, expected);
        }
    }
}

void TestLongSubjects::stopEnds()
{
    const QByteArray text = QByteArray("ab").repeated(5000);
    const std::vector<QByteArray> subjects = {AnsiFold::instance().classesOf(QByteArray("ab").repeated(20) + "c")};
    std::vector<FieldSpan> last(1, FieldSpan{-1, -1, -1});
    FieldSpan lastOfAll;
    const std::atomic<bool> stop{true};
    QVERIFY(!LastFieldsOfLongSubjects(text, subjects, {0}, 0, 8, &stop, &last, &lastOfAll));
}

void TestLongSubjects::fingerprintsAgree()
{
    // Four parts side by side and unreduced steps give what one byte after
    // the other gives, for any base drawn and any length, bytes of 255 too;
    // so do a field's prefixes read by quarter blocks, with a partial tail.
    std::mt19937 rng(3);
    const uchar *fold = AnsiFold::instance().classes();
    for (int round = 0; round < 200; ++round) {
        const Fingerprint print;
        QByteArray bytes(qsizetype(rng() % 300), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(round % 2 ? 255 : rng() % 256);
        std::vector<quint64> serial(1, 0);
        for (const char c : bytes)
            serial.push_back(print.next(serial.back(), fold[uchar(c)]));
        const QByteArray classes = AnsiFold::instance().classesOf(bytes);
        QCOMPARE(print.of(reinterpret_cast<const uchar *>(classes.constData()), classes.size()), serial.back());

        const qsizetype block = 8;
        FieldPrints prints(print, fold, block, 8 * block);
        prints.start(bytes.constData(), 0);
        std::vector<uchar> blockClasses(block);
        for (qsizetype q = 0; q < bytes.size(); q += block) {
            const qsizetype n = std::min(block, bytes.size() - q);
            if (n == block)
                prints.readBlock(q, blockClasses.data());
            else
                prints.readTail(q, n);
            for (qsizetype x = std::max<qsizetype>(0, q + n - 4 * block); x <= q + n; ++x)
                QCOMPARE(prints.prefix(x), serial[size_t(x)]);
        }
    }
}

QTEST_APPLESS_MAIN(TestLongSubjects)
#include "test_long_subjects.moc"
