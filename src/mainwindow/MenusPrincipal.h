#pragma once

#include "mainwindow/RegistroMenus.h"

#include <QList>

// The menus of the main window as designed, in menu order: the menu bar
// (Archivo, Ver, Generar, Herramientas, Ayuda) and the menus that only pop
// up over the record list and the accounting tree (mnuSecundario,
// mnuLibros, mnuPartidas, mnuSolicitudes, mnuMensajeria, mnuEstructura).
const QList<EntradaMenu>& MenusPrincipal();
