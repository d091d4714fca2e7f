#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setObjectName("Rollwright");
  window.setWindowTitle("Tessaroll - <NewFile.csv>");
  window.show();
  return app.exec();
}
