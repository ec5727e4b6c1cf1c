#pragma once

class QWidget;

// Centres Ventana on its screen's available area (without panels), frame and title
// bar included, and keeps the frame inside that area. Done when the window shows
// and again once the window manager has put its frame around it, whose size is
// unknown before.
void CentraEnAreaDisponible(QWidget* Ventana);
