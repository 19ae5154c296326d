#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stderr) << "uso: ventrix-cli <orden> ...\n";
    return 2;
}
