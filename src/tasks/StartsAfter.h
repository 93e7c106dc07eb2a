#pragma once
#include <QList>
#include <QString>

class Ask;
class ProjectDocument;

// The side bar's cboStartsAfter, under the due date: the sub-goal the
// selected one starts after, "(none)" first, then every other sub-goal in
// card order.
class StartsAfter {
public:
    StartsAfter(ProjectDocument &document, Ask &ask) : m_document(document), m_ask(ask) {}

    struct Choice {
        QString name;
        QString key;   // "" for "(none)"
        friend bool operator==(const Choice &, const Choice &) = default;
    };
    // The items for the selected sub-goal; none while the main goal is selected.
    QList<Choice> choices() const;
    // The item that shows the selected sub-goal's link.
    int chosen() const;
    // An item picked. A choice that would close a loop is refused in a
    // message box, and nothing changes.
    void cboStartsAfter_Click(int item);

private:
    ProjectDocument &m_document;
    Ask &m_ask;
};
