#include "app/MethodChoiceBox.h"

#include <QRadioButton>
#include <QGridLayout>

namespace etp {

MethodChoiceBox::MethodChoiceBox(const QString& caption, MethodChoice& choice, QWidget* parent)
    : QGroupBox(caption, parent), choice_(choice)
{
    auto* layout = new QGridLayout(this);
    constexpr int rows = static_cast<int>(kEtLabels.size());
    for (std::size_t i = 0; i < Option3.size(); ++i) {
        QRadioButton*& option = Option3[i];
        option = new QRadioButton(this);
        option->setObjectName(QStringLiteral("Option3_%1").arg(i));
        layout->addWidget(option, static_cast<int>(i) % rows, static_cast<int>(i) / rows);
        connect(option, &QRadioButton::clicked, this, [this, i] {
            choice_.select(static_cast<int>(i));
            showChoice();
        });
    }
    layout->setRowStretch(rows, 1);
    showChoice();
}

void MethodChoiceBox::showChoice()
{
    setEnabled(choice_.enabled);
    for (std::size_t i = 0; i < Option3.size(); ++i) {
        const MethodOption& option = choice_.options[i];
        QRadioButton* button = Option3[i];
        button->setText(QString::fromStdString(option.caption));
        button->setVisible(option.visible);
        // An exclusive group would refuse to clear its checked button.
        button->setAutoExclusive(false);
        button->setChecked(option.selected);
        button->setAutoExclusive(true);
    }
}

} // namespace etp
