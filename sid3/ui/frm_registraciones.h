#pragma once

#include "common/ui/modulewindow.h"
#include "sid3/sid3registerform.h"

#include <QElapsedTimer>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace ventrix {
class IdentifierEdit;
}

namespace ventrix::sid3 {

class ImportPreviewModel;

// One payments-on-account register of a declaration (withholdings, perceptions, other payments
// or compensations): its records typed, changed and deleted one by one or imported from a text
// file; on closing it hands its total and count back to the declaration.
class Frm_Registraciones : public ModuleWindow
{
    Q_OBJECT

public:
    Frm_Registraciones(
        data::AccesoDatos& db, Register reg, qint64 sidId, Period period, QWidget* parent = nullptr);
    ~Frm_Registraciones() override;

    RegisterTotal total() const { return m_form.total(); }
    // Replaces the file dialog of the import (tests choose the file themselves).
    void setFileChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }

    void VerTabla();
    void Nuevo_Click();
    void Guardar_Click();
    void Borrar_Click();
    void BorrarTodos_Click();
    // "&Importar datos": the file chosen, its first records shown in the import panel.
    void Importar_Registros();
    // Loads the previewed file into the register.
    void Ingresar_Registros();
    // The file's figures.
    void Command1_Click();
    // Closes the import panel.
    void Command2_Click();

private:
    void buildLayout();
    QWidget* buildRecordPanel();
    QWidget* buildGridPanel();
    QWidget* buildImportPanel();
    QLineEdit* textField(
        const QString& name, const QString& column, int width, FieldKeys keys, bool required);
    void showRecord(const RegisterRecord& record);
    RegisterRecord readRecord() const;
    void rowChosen(const QModelIndex& index);
    void fechaLeft();
    void montoLeft();
    void NumAgente_Check();
    void enableButtons(bool enabled);
    bool importProgress(int done, int total);

    Sid3RegisterForm m_form;
    bool m_agentFields;
    qint64 m_perId = 0;
    std::function<QString()> m_chooseFile;
    QString m_filePath;
    QByteArray m_fileBytes;
    QElapsedTimer m_clock;
    qint64 m_lastShown = 0;
    qint64 m_lastRepaint = 0;

    QWidget* m_picture1 = nullptr;
    QLineEdit* m_fecha = nullptr;
    QLineEdit* m_monto = nullptr;
    QLineEdit* m_responsable = nullptr;
    IdentifierEdit* m_cuit = nullptr;
    IdentifierEdit* m_numAgente = nullptr;
    QLabel* m_perIdLabel = nullptr;
    QButtonGroup* m_order = nullptr;
    QLabel* m_totalRegistros = nullptr;
    QLabel* m_montoTotal = nullptr;
    QTableView* m_grid = nullptr;
    QList<QPushButton*> m_buttons;
    QWidget* m_import = nullptr;
    QLabel* m_fuente = nullptr;
    QLabel* m_muestraCount = nullptr;
    ImportPreviewModel* m_preview = nullptr;
    QPushButton* m_ingresar = nullptr;
    QPushButton* m_cifras = nullptr;
    QPushButton* m_cerrar = nullptr;
    QCheckBox* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_tiempo = nullptr;
};

}
