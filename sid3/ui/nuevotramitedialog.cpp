#include "sid3/ui/nuevotramitedialog.h"

#include "common/messages.h"
#include "common/ui/fieldkeyfilter.h"
#include "sid3/sid3messages.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ventrix::sid3 {

NuevoTramiteDialog::NuevoTramiteDialog(NuevoTramite& rules, QWidget* parent)
    : QDialog(parent)
    , m_rules(rules)
{
    setObjectName(QStringLiteral("NuevoTramite"));
    setWindowTitle(QStringLiteral("Nuevo Trámite"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_mes = new QLineEdit(this);
    m_mes->setObjectName(QStringLiteral("Tasa1"));
    m_mes->setMaxLength(2);
    m_anio = new QLineEdit(this);
    m_anio->setObjectName(QStringLiteral("Tasa2"));
    m_anio->setMaxLength(4);
    FieldKeyFilter::install(m_mes, FieldKeys::Integer);
    FieldKeyFilter::install(m_anio, FieldKeys::Integer);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    for (Procedure p : { Procedure::Anticipo, Procedure::Rectificativa }) {
        auto* item = new QListWidgetItem(procedureName(p), m_list);
        item->setData(Qt::UserRole, static_cast<int>(p));
    }
    m_list->setMaximumHeight(m_list->sizeHintForRow(0) * 3);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Mes"), m_mes);
    form->addRow(QStringLiteral("Año"), m_anio);
    form->addRow(QStringLiteral("Trámite"), m_list);
    auto* aceptar = new QPushButton(QStringLiteral("&Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("Salir"));
    aceptar->setDefault(true);
    auto* cancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("Command1"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(aceptar);
    buttons->addWidget(cancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Período a liquidar"), this));
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(m_mes, &QLineEdit::editingFinished, this, [this] { checkMonthBox(); });
    connect(m_anio, &QLineEdit::editingFinished, this, &NuevoTramiteDialog::checkYearBox);
    connect(aceptar, &QPushButton::clicked, this, &NuevoTramiteDialog::Salir_Click);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    CargaTasa();
}

void NuevoTramiteDialog::CargaTasa()
{
    const Period proposed = NuevoTramite::CargaTasa();
    m_mes->setText(QString::number(proposed.month));
    m_anio->setText(yearText(proposed.year));
}

bool NuevoTramiteDialog::checkMonthBox()
{
    if (m_mes->text().trimmed().isEmpty())
        return true;
    if (auto month = checkMonth(m_mes->text().trimmed().toInt()); !month) {
        inform(month.error());
        m_mes->selectAll();
        m_mes->setFocus();
        return false;
    }
    return true;
}

void NuevoTramiteDialog::checkYearBox()
{
    bool numeric = false;
    const int year = m_anio->text().trimmed().toInt(&numeric);
    if (numeric)
        m_anio->setText(yearText(normalizeYear(year)));
}

std::optional<Procedure> NuevoTramiteDialog::procedure() const
{
    const QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return static_cast<Procedure>(item->data(Qt::UserRole).toInt());
}

void NuevoTramiteDialog::Salir_Click()
{
    if (m_mes->text().trimmed().isEmpty() || m_anio->text().trimmed().isEmpty() || !checkMonthBox())
        return;
    checkYearBox();
    auto accepted = m_rules.accept(m_mes->text().toInt(), m_anio->text().toInt(), procedure());
    if (!accepted) {
        inform(accepted.error());
        if (accepted.error() == msg::seleccioneTramite())
            m_list->setFocus();
        return;
    }
    m_chosen = *accepted;
    accept();
}

}
