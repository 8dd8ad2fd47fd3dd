#pragma once

#include <QLabel>

namespace zq {

// A label whose every new text screen readers speak at once, wherever the
// keyboard focus is: a drill's results and prompts in its status bar. To a
// reader it is a notification, which Orca speaks when it is shown; each
// Announce shows it anew. A sighted learner sees an ordinary label.
class NoticeLabel : public QLabel {
    Q_OBJECT

public:
    explicit NoticeLabel(QWidget* parent = nullptr);

    // Shows the text; an empty text clears the label and is not spoken.
    void Announce(const QString& text);
};

}  // namespace zq
