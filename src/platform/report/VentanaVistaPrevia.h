#pragma once

#include "platform/report/ModeloPaginas.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QScrollArea;
class QToolButton;

namespace report {

// The on-screen preview of a report: one page at a time, zoom, page
// navigation, "Imprimir" and "Guardar como PDF". It owns its pages, is not
// modal, and closes (and frees itself) on its own; given a parent it is a
// separate window that stays on top of it.
class VentanaVistaPrevia : public QWidget {
    Q_OBJECT
public:
    // Asks where to save a PDF; "" when the user cancels.
    using PreguntaArchivo = std::function<QString(QWidget* padre, const QString& sugerido)>;
    // Whether the system has a printer.
    using ConsultaImpresoras = std::function<bool()>;

    explicit VentanaVistaPrevia(ModeloPaginas modelo, QWidget* padre = nullptr);

    const ModeloPaginas& modelo() const { return m_modelo; }
    int paginaActual() const { return m_pagina; } // 0-based
    int paginas() const { return int(m_modelo.paginas.size()); }
    int zoom() const { return m_zoom; }           // per cent

    void irAPagina(int pagina);
    void setZoom(int porCiento);

    void setPreguntaArchivo(PreguntaArchivo pregunta) { m_pregunta = std::move(pregunta); }
    void setConsultaImpresoras(ConsultaImpresoras consulta) { m_hayImpresoras = std::move(consulta); }

public slots:
    // The print dialog, then the printer; with no printer, says so and
    // offers to save a PDF instead.
    void Imprimir();
    void GuardarComoPdf();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void crearBarra();
    void mostrar();
    QImage dibujar(int pagina) const;

    ModeloPaginas m_modelo;
    int m_pagina = 0;
    int m_zoom = 100;
    PreguntaArchivo m_pregunta;
    ConsultaImpresoras m_hayImpresoras;

    QScrollArea* m_area = nullptr;
    QLabel* m_hoja = nullptr;
    QLabel* m_numero = nullptr;
    QComboBox* m_zooms = nullptr;
    QToolButton* m_primera = nullptr;
    QToolButton* m_anterior = nullptr;
    QToolButton* m_siguiente = nullptr;
    QToolButton* m_ultima = nullptr;
};

} // namespace report
