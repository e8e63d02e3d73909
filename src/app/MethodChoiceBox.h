#pragma once
// A frame of option buttons, Option3_0 .. Option3_29, showing a MethodChoice: the ET
// columns a dialog may read, one of them selected. A click selects in the choice. The
// buttons run down in columns of thirteen, one for each ET label a disabled group shows.
#include <QGroupBox>
#include <array>

#include "models/MethodChoice.h"

class QRadioButton;

namespace etp {

class MethodChoiceBox final : public QGroupBox {
    Q_OBJECT
public:
    // The choice belongs to the dialog and outlives the frame.
    MethodChoiceBox(const QString& caption, MethodChoice& choice, QWidget* parent);

    // Captions, visibility, selection and the enabled group as the choice holds them.
    void showChoice();

private:
    MethodChoice& choice_;
    std::array<QRadioButton*, std::tuple_size_v<decltype(MethodChoice::options)>> Option3{};
};

} // namespace etp
