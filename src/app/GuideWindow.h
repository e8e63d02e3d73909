#pragma once
// "Help > help": the user guide, read from the installed package or, in a build folder,
// from the source tree.
#include <QString>
#include <QTextBrowser>

namespace etp {

// The guide's file: beside the program's installed share/doc folder, else the source
// tree's docs/guide.md; empty when neither exists.
QString GuidePath();

class GuideWindow final : public QTextBrowser {
    Q_OBJECT
public:
    // Shows the guide at path; its pictures are found beside it.
    GuideWindow(const QString& path, QWidget* parent);
};

} // namespace etp
