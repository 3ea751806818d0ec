#pragma once

#include "navigation/ListaImagenes.h"
#include "reports/ContextoInformes.h"
#include "reports/TablaInformes.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

class ArbolInformes;
class ArbolNodos;
class QProgressBar;
class QPushButton;
class QTreeWidgetItem;

// The report viewer: the report tree (`trvCliente`), the buttons
// "&Todos"/"Aceptar" (index 0), "&Seleccionar" (1) and "&Cerrar" (2) of
// `cmdBotonera`, the progress bar the all-records reports hand to the
// add-ins (`nvbpInformes`) and "&Márgenes". Enter presses index 0, Esc
// "&Márgenes". The prints themselves live in BotoneraInformes; the form
// only wires its controls to them.
class frmViewInforme : public QDialog {
    Q_OBJECT

public:
    // Builds the tree (the load) and puts the pointer back to the default.
    explicit frmViewInforme(ContextoInformes ctx, QWidget* parent = nullptr);
    ~frmViewInforme() override;

    ArbolNodos* trvCliente() const { return m_trvCliente; }
    QPushButton* cmdBotonera(int indice) const { return m_cmdBotonera.value(indice); }
    QPushButton* cmdMargenes() const { return m_cmdMargenes; }
    QProgressBar* nvbpInformes() const { return m_nvbpInformes; }
    // The caption of the node clicked last; empty until the first click.
    const QString& mstrNodo() const { return m_mstrNodo; }

    // The event handlers, each run through the form's error wrapper.
    void trvCliente_NodeClick(QTreeWidgetItem* nodo);
    void trvCliente_DblClick();
    void cmdBotonera_Click(int indice);
    void cmdMargenes_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int resultado) override;

private:
    void Form_Load();
    void Form_Unload();

    ContextoInformes m_ctx;
    QList<informes::FilaInforme> m_tabla;
    ListaImagenes m_imlCliente;
    std::unique_ptr<ArbolInformes> m_arbol;
    ArbolNodos* m_trvCliente = nullptr;
    QList<QPushButton*> m_cmdBotonera;
    QPushButton* m_cmdMargenes = nullptr;
    QProgressBar* m_nvbpInformes = nullptr;
    QString m_mstrNodo;
    bool m_descargado = false;
};
