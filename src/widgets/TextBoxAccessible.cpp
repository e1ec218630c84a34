#include "widgets/TextBoxAccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <vector>

namespace tempiro::widgets {

namespace {

// Where the pieces of a boundary kind start, from 0 to the text's length, both included.
std::vector<int> pieceStarts(const QString& text, QAccessible::TextBoundaryType boundary) {
    std::vector<int> starts{0};
    const int length = int(text.size());
    if (boundary == QAccessible::CharBoundary || boundary == QAccessible::WordBoundary ||
        boundary == QAccessible::SentenceBoundary) {
        const auto kind = boundary == QAccessible::CharBoundary   ? QTextBoundaryFinder::Grapheme
                          : boundary == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                  : QTextBoundaryFinder::Sentence;
        QTextBoundaryFinder finder(kind, text);
        // A word runs from its start to the next word's start, blanks and marks between
        // included, as readers move by word; each step moves the finder on or ends.
        for (int at = int(finder.toNextBoundary()); at > 0 && at < length;
             at = int(finder.toNextBoundary()))
            if (kind != QTextBoundaryFinder::Word ||
                finder.boundaryReasons().testFlag(QTextBoundaryFinder::StartOfItem))
                starts.push_back(at);
    }
    // A line, a paragraph or the whole: one text box holds one line.
    if (length > 0)
        starts.push_back(length);
    return starts;
}

class TextBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QLineEdit* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return shown();
        QString text = QAccessibleWidget::text(kind);
        // Unnamed, a box is named by the label that leads to it.
        if (kind == QAccessible::Name && text.isEmpty() && box()->window())
            for (const QLabel* label : box()->window()->findChildren<QLabel*>())
                if (label->buddy() == box())
                    text = QString(label->text()).remove(u'&');
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        return state;
    }

    // The text as shown: a hidden entry is read as its bullets.
    QString shown() const { return box()->displayText(); }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + int(box()->selectedText().size());
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override {
        box()->setSelection(clamped(start), clamped(end) - clamped(start));
    }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(clamped(position)); }
    QString text(int start, int end) const override {
        return shown().mid(clamped(start), std::max(0, clamped(end) - clamped(start)));
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        return piece(offset, boundary, PieceWhere::Before, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        return piece(offset, boundary, PieceWhere::After, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        return piece(offset, boundary, PieceWhere::At, start, end);
    }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int offset) const override {
        const QFontMetrics metrics = box()->fontMetrics();
        const QString before = shown().left(clamped(offset));
        const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = cursor.x() + metrics.horizontalAdvance(before) -
                      metrics.horizontalAdvance(shown().left(box()->cursorPosition()));
        const QString character = shown().mid(clamped(offset), 1);
        const QRect local(x, cursor.y(), metrics.horizontalAdvance(character), cursor.height());
        return QRect(box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { setCursorPosition(start); }
    // One run of the box's one font over the whole text: a reader reads to the end of a run.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        if (box()->isReadOnly())
            return;
        box()->setSelection(clamped(start), std::max(0, clamped(end) - clamped(start)));
        box()->insert(text);
    }

private:
    QLineEdit* box() const { return static_cast<QLineEdit*>(widget()); }
    int clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }
    QString piece(int offset, QAccessible::TextBoundaryType boundary, PieceWhere where, int* start,
                  int* end) const {
        // -2 asks at the caret.
        const TextPiece p =
            textPiece(shown(), offset == -2 ? cursorPosition() : offset, boundary, where);
        *start = p.start;
        *end = p.end;
        return p.text;
    }
};

// An editable combo box that keeps the name it was given: Qt on Linux names one by its text
// ("5 editable combo box") and leaves the name to a label relation, which a box captioned by a
// check box has not. Its value is its text; its children are its list and its text box.
class NamedComboBoxAccessible final : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }
    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1)
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (child->object() == box()->view())
            return 0;
        return child->object() == box()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
    }
};

QAccessibleInterface* textBoxAccessible(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QLineEdit"))
        return new TextBoxAccessible(static_cast<QLineEdit*>(object));
    auto* box = qobject_cast<QComboBox*>(object);
    if (className == QLatin1String("QComboBox") && box->isEditable() &&
        !box->accessibleName().isEmpty())
        return new NamedComboBoxAccessible(box);
    return nullptr;
}

} // namespace

TextPiece textPiece(const QString& text, int offset, QAccessible::TextBoundaryType boundary,
                    PieceWhere where) {
    const int length = int(text.size());
    if (offset < 0 || offset > length)
        return {QString(), 0, 0};
    const std::vector<int> starts = pieceStarts(text, boundary);
    // The piece holding the offset; at the end, the empty piece that starts there.
    const qsizetype last = qsizetype(starts.size()) - 1;
    qsizetype index = std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin() - 1;
    index += where == PieceWhere::Before ? -1 : where == PieceWhere::After ? 1 : 0;
    if (index < 0 || index > last)
        return {QString(), offset, offset};
    const int from = starts[size_t(index)];
    const int to = index < last ? starts[size_t(index) + 1] : length;
    return {text.mid(from, to - from), from, to};
}

void installTextBoxAccessibility() {
    static const bool installed = (QAccessible::installFactory(textBoxAccessible), true);
    Q_UNUSED(installed);
}

} // namespace tempiro::widgets
