#pragma once

class RegistroComandos;
class cListaPrincipal;

// Registers the window's commands that the record list carries out, by
// control name, replacing their entries: "Actualizar lista"
// (mnuVerActualizarLista) and the toolbar's buttons by their key. `lista`
// must outlive the entries.
void RegistrarComandosLista(RegistroComandos& comandos, cListaPrincipal& lista);
