#include "widgets/TextBoxAccessible.h"

#include <QAccessibleInterface>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace tempiro;
using widgets::PieceWhere;

// Every offset of every box, the end included, for every boundary a reader asks: each piece
// holds its offset, the pieces read in turn give the whole text, and the end is an empty piece
// with the last piece before it.
TEST(TextBoxAccessible, EveryOffsetHasItsPieceAndTheEndIsEmpty) {
    for (const QString text : {"", "Tea", "Tea time.  Lot 7", "https://auction.example/lot/7"})
        for (const auto boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary,
                                    QAccessible::SentenceBoundary, QAccessible::LineBoundary}) {
            const int length = int(text.size());
            QString read;
            for (int at = 0; at < length;) {
                const auto p = widgets::textPiece(text, at, boundary, PieceWhere::At);
                ASSERT_TRUE(p.start <= at && at < p.end) << text.toStdString() << " at " << at;
                EXPECT_EQ(widgets::textPiece(text, p.end - 1, boundary, PieceWhere::After).start,
                          p.end);
                read += p.text;
                at = p.end;
            }
            EXPECT_EQ(read, text) << boundary;
            const auto end = widgets::textPiece(text, length, boundary, PieceWhere::At);
            EXPECT_TRUE(end.text.isEmpty() && end.start == length && end.end == length);
            const auto last = widgets::textPiece(text, length, boundary, PieceWhere::Before);
            EXPECT_EQ(last.end, length) << text.toStdString();
        }
    EXPECT_EQ(widgets::textPiece("Tea time", 0, QAccessible::WordBoundary, PieceWhere::At).text,
              "Tea ");
}

// Through the accessibility interface, as the bridge asks: the word at the end answers, the
// attribute run covers the whole text, and a box without a name of its own takes its label's.
TEST(TextBoxAccessible, AReaderGetsTheWordAtTheEndAndTheWholeRun) {
    widgets::installTextBoxAccessibility();
    QWidget window;
    auto* label = new QLabel("Event &title:", &window);
    auto* box = new QLineEdit("https://auction.example/lot/7", &window);
    label->setBuddy(box);
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box);
    ASSERT_TRUE(read && read->textInterface());
    const int length = int(box->text().size());
    int start = -1, end = -1;
    EXPECT_EQ(read->textInterface()->textAtOffset(length, QAccessible::WordBoundary, &start, &end),
              "");
    EXPECT_EQ(
        read->textInterface()->textBeforeOffset(length, QAccessible::WordBoundary, &start, &end),
        "7");
    read->textInterface()->attributes(3, &start, &end);
    EXPECT_EQ(std::pair(start, end), std::pair(0, length));
    EXPECT_EQ(read->text(QAccessible::Name), "Event title:");
    EXPECT_EQ(read->text(QAccessible::Value), box->text());
}
