#include "testdatabase.h"

#include "common/fixed.h"
#include "common/ui/fieldbinder.h"
#include "data/accesodatos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace ventrix;
using namespace ventrix::data;

namespace {

QString qs(const char* s)
{
    return QString::fromUtf8(s);
}

template <typename W> W* bound(QWidget* screen, const char* column)
{
    auto* w = new W(screen);
    w->setObjectName(qs(column));
    w->setProperty(FieldBinder::DataFieldProperty, qs(column));
    qobject_cast<QFormLayout*>(screen->layout())->addRow(qs(column), w);
    return w;
}

// A small inscription screen: fields of Form_Cp01 and one of the plan table.
struct Screen
{
    QWidget widget;
    QLineEdit* name;
    QLineEdit* cuit;
    QLineEdit* date;
    QComboBox* docType;
    QCheckBox* form;
    QSpinBox* years;
    QPlainTextEdit* email;
    QLineEdit* debt;

    Screen()
    {
        widget.setLayout(new QFormLayout);
        name = bound<QLineEdit>(&widget, "CP01_Contribuyente");
        cuit = bound<QLineEdit>(&widget, "CP01_CUIT");
        cuit->setInputMask(qs("99-99999999/9"));
        date = bound<QLineEdit>(&widget, "CP01_FechaPres");
        docType = bound<QComboBox>(&widget, "CP01_PerFis_TipoDoc");
        form = bound<QCheckBox>(&widget, "CP01_FormCP01");
        years = bound<QSpinBox>(&widget, "CP01_PerJur_DuracionAños");
        years->setRange(0, 999);
        email = bound<QPlainTextEdit>(&widget, "CP01_DomFisc_Email");
        debt = bound<QLineEdit>(&widget, "PFP_ImporteDeuda");
    }
};

}

TEST(FieldBinder, ScreenFieldsRoundTripThroughTheDatabaseByPrefix)
{
    test::TestDatabase t;
    AccesoDatos data(t.db());
    Screen s;
    FieldBinder binder(&s.widget);
    FieldBinder::fillList(s.docType,
        data.fillList(qs("SELECT TipoDoc, Descripcion FROM TipoDoc ORDER BY TipoDoc"), {},
            qs("{Descripcion}"), qs("TipoDoc")));
    binder.applySizes(qs("CP01"), data.fieldSizes(qs("Form_Cp01"), qs("CP01")));
    EXPECT_EQ(s.name->maxLength(), 100);
    EXPECT_EQ(binder.fields(qs("CP01")).size(), 7);

    s.name->setText(qs("Pérez Juan"));
    s.cuit->setText(qs("20123456786"));
    s.date->setText(qs("05/10/1999"));
    s.docType->setCurrentIndex(s.docType->findData(qs("DNI")));
    s.form->setChecked(true);
    s.years->setValue(99);
    s.email->setPlainText(qs("juan@example.com"));
    s.debt->setText(qs("1.234,50"));

    const FieldValues typed = binder.read(qs("CP01"));
    EXPECT_FALSE(typed.contains(qs("PFP_ImporteDeuda")));
    EXPECT_EQ(typed.value(qs("CP01_PerFis_TipoDoc")).toString(), qs("DNI")); // the code, not the label

    const qint64 cmd = data.saveFields({ qs("CMD"), qs("CMD_ID"), 0, {}, {}, qs("CMD"), {} }).key;
    const SaveResult saved
        = data.saveFields({ qs("Form_Cp01"), qs("CP01_ID"), 0, qs("CMD_ID"), cmd, qs("CP01"), typed });
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    const SaveResult plan = data.saveFields(
        { qs("Form_PFP"), qs("PFP_ID"), 0, qs("CP01_ID"), saved.key, qs("PFP"), binder.read(qs("PFP")) });
    ASSERT_TRUE(plan.ok) << plan.error.toStdString();

    binder.clear(qs("CP01"));
    EXPECT_TRUE(s.name->text().isEmpty());
    EXPECT_EQ(s.docType->currentIndex(), -1);
    EXPECT_FALSE(s.form->isChecked());
    EXPECT_EQ(s.debt->text(), qs("1.234,50")); // another table's field is left alone
    EXPECT_TRUE(binder.read(qs("CP01")).value(qs("CP01_CUIT")).isNull());

    FieldValues row;
    ASSERT_EQ(
        data.loadFields(qs("SELECT * FROM Form_Cp01 WHERE CP01_ID = ?"), { saved.key }, qs("CP01"), row),
        LoadStatus::Loaded);
    binder.load(qs("CP01"), row);
    EXPECT_EQ(s.name->text(), qs("Pérez Juan"));
    EXPECT_EQ(s.cuit->text(), qs("20-12345678/6"));
    EXPECT_EQ(s.date->text(), qs("05/10/1999"));
    EXPECT_EQ(s.docType->currentData().toString(), qs("DNI"));
    EXPECT_TRUE(s.form->isChecked());
    EXPECT_EQ(s.years->value(), 99);
    EXPECT_EQ(s.email->toPlainText(), qs("juan@example.com"));

    s.debt->clear();
    ASSERT_EQ(data.loadFields(qs("SELECT * FROM Form_PFP WHERE PFP_ID = ?"), { plan.key }, qs("PFP"), row),
        LoadStatus::Loaded);
    EXPECT_EQ(row.value(qs("PFP_ImporteDeuda")).value<Money>(), Money::fromUnits(123450));
    binder.load(qs("PFP"), row);
    EXPECT_EQ(s.debt->text(), qs("1.234,50"));

    s.widget.resize(420, 320);
    s.widget.show();
    if (qEnvironmentVariableIsSet("VENTRIX_SCREENSHOTS"))
        s.widget.grab().save(qEnvironmentVariable("VENTRIX_SCREENSHOTS") + qs("/fieldbinder.png"));
}
