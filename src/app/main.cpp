#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("VEXA-F");
    QMainWindow w;
    w.setWindowTitle("VEXA-F");
    w.show();
    return app.exec();
}
