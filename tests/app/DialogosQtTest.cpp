// Qt's own dialogs and menus in Spanish: Debian's qtbase_es and the texts it lacks.
#include "app/VentanaPrueba.h"

#include <QFile>
#include <QFileSystemModel>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

class DialogosDeQt : public VentanaPrueba {};

struct TCasoQt {
  const char* sContexto;
  const char* sTexto;
  const char* sEspanol;
};

TEST_F(DialogosDeQt, TextosDeQtEnEspanol)
{
  const TCasoQt Casos[] = {
      {"QPlatformTheme", "Cancel", "Cancelar"},          // qtbase_es
      {"QFileDialog", "Save As", "Guardar como"},        // qtbase_es
      {"QAbstractFileIconProvider", "Folder", "Carpeta"},  // lacking in qtbase_es
      {"QLineEdit", "&Copy", "&Copiar"},
      {"QLineEdit", "Select All", "Seleccionar todo"},
  };
  for (const TCasoQt& Caso : Casos)
    EXPECT_EQ(QCoreApplication::translate(Caso.sContexto, Caso.sTexto), QString::fromUtf8(Caso.sEspanol))
        << Caso.sContexto << " " << Caso.sTexto;
}

// The PDF save dialog names folders and file types in Spanish.
TEST_F(DialogosDeQt, ElDialogoDeArchivosLlamaCarpetaAUnaCarpeta)
{
  QTemporaryDir Dir;
  ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("reportes")));
  QFile Pdf(Dir.filePath(QStringLiteral("anterior.pdf")));
  ASSERT_TRUE(Pdf.open(QIODevice::WriteOnly));
  Pdf.write("%PDF-1.4\n");
  Pdf.close();
  QFileSystemModel Modelo;
  QSignalSpy Cargado(&Modelo, &QFileSystemModel::directoryLoaded);
  Modelo.setRootPath(Dir.path());
  ASSERT_TRUE(Cargado.wait(10000));
  EXPECT_EQ(Modelo.type(Modelo.index(Dir.filePath(QStringLiteral("reportes")))), QStringLiteral("Carpeta"));
  EXPECT_EQ(Modelo.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Nombre"));
  // File types in Spanish also where the system's locale is not (the tests run in C).
  EXPECT_EQ(Modelo.type(Modelo.index(Pdf.fileName())), QStringLiteral("documento PDF"));
}

// The edit boxes' context menu (user, password, exchange rate).
TEST_F(DialogosDeQt, MenuDeLasCajasDeTexto)
{
  std::unique_ptr<QMenu> Menu(Edit("edUsuario")->createStandardContextMenu());
  QStringList Textos;
  for (const QAction* Accion : Menu->actions())
    if (!Accion->isSeparator())
      Textos << Accion->text().section(u'\t', 0, 0);
  EXPECT_EQ(Textos, (QStringList{"&Deshacer", "&Rehacer", "Cor&tar", "&Copiar", "&Pegar", "Eliminar",
                                 "Seleccionar todo"}));
}

}  // namespace
