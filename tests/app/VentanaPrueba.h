#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "app/DialogosPrueba.h"
#include "app/EntornoVentana.h"
#include "app/Principal.h"
#include "data/DataModule.h"
#include "db/ColectorConxs.h"

// The real main window on the real catalogues, shown and active, its dialogs
// answered by the test. Controls are found by their names.
class VentanaPrueba : public testing::Test {
 protected:
  void SetUp() override { Crea(QString()); }

  void Crea(const QString& sCarpeta, const QStringList& Sucursales = {})
  {
    static const bool bEntorno = (PreparaEntornoVentana(*qApp), true);
    (void)bEntorno;
    ColectorConexiones = std::make_shared<TColectorConxs>();
    Ventana = std::make_unique<TfrmPrincipal>(dmMain, sCarpeta, Dialogos, Sucursales);
    Ventana->show();
    Ventana->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Ventana.get()));
  }

  void TearDown() override
  {
    Ventana.reset();
    ColectorConexiones.reset();
  }

  template <class T>
  T* Control(const char* sNombre) const
  {
    T* Encontrado = Ventana->findChild<T*>(QString::fromLatin1(sNombre));
    EXPECT_NE(Encontrado, nullptr) << sNombre;
    return Encontrado;
  }
  QLineEdit* Edit(const char* sNombre) const { return Control<QLineEdit>(sNombre); }
  QComboBox* Combo(const char* sNombre) const { return Control<QComboBox>(sNombre); }
  QLabel* Etiqueta(const char* sNombre) const { return Control<QLabel>(sNombre); }
  QPushButton* Boton(const char* sNombre) const { return Control<QPushButton>(sNombre); }
  QListWidget* Lista() const { return Control<QListWidget>("lbLoc"); }

  // Picks an entry as the user does from the drop-down list.
  static void Elige(QComboBox* cbCombo, const QString& sTexto)
  {
    const int nIndice = cbCombo->findText(sTexto);
    ASSERT_GE(nIndice, 0) << sTexto.toStdString();
    cbCombo->setCurrentIndex(nIndice);
    emit cbCombo->activated(nIndice);
  }

  void Agrega(const QString& sEstado, const QString& sCiudad)
  {
    Elige(Combo("cbEstado"), sEstado);
    Elige(Combo("cbCiudad"), sCiudad);
    Boton("bnAgregar")->click();
  }

  // Types text character by character (accents included) into the control.
  static void Teclea(QWidget* Control, const QString& sTexto)
  {
    for (const QChar Caracter : sTexto)
      QTest::sendKeyEvent(QTest::Click, Control, Qt::Key_unknown, QString(Caracter),
                          Qt::NoModifier);
  }

  TdmMain dmMain;
  std::shared_ptr<TDialogosPrueba> Dialogos = std::make_shared<TDialogosPrueba>();
  std::unique_ptr<TfrmPrincipal> Ventana;
};
