// A lower bound for the start-up benchmark: the least a program can do in
// the program's start-up order. A window with the progress window's status
// text, bar and button goes to the screen; then libcurl is loaded on a thread
// (lazily bound, deep-bound, as the program loads it), the index and the news
// are fetched one after the other on one handle into memory, and a window
// with a tree and the news as plain text is shown. No icon, no files written,
// no settings, no rich text: what the program does beyond this is its own
// cost. Usage: bench_startup_floor BASE_URL (ending in "/").
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <curl/curl.h>
#include <dlfcn.h>

#include <string>
#include <thread>

namespace
{

using EasyInit = CURL *(*)();
using EasySetopt = CURLcode (*)(CURL *, CURLoption, ...);
using EasyPerform = CURLcode (*)(CURL *);
using GlobalInit = CURLcode (*)(long);

size_t Append(char *data, size_t size, size_t count, void *to)
{
    static_cast<std::string *>(to)->append(data, size * count);
    return size * count;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const std::string base = argv[1];

    QWidget progress;
    progress.setWindowTitle(QStringLiteral("Please wait..."));
    auto *column = new QVBoxLayout(&progress);
    column->addWidget(new QLabel(QStringLiteral("Connecting to the server...")));
    auto *bar = new QProgressBar;
    column->addWidget(bar);
    column->addWidget(new QPushButton(QStringLiteral("Cancel")));
    progress.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    void *curl = nullptr;
    std::thread loader([&curl] {
        curl = dlopen("libcurl.so.4", RTLD_LAZY | RTLD_LOCAL | RTLD_DEEPBIND);
        if (curl)
            reinterpret_cast<GlobalInit>(dlsym(curl, "curl_global_init"))(CURL_GLOBAL_DEFAULT);
    });
    loader.join();
    if (!curl)
        return 1;
    const auto init = reinterpret_cast<EasyInit>(dlsym(curl, "curl_easy_init"));
    const auto setopt = reinterpret_cast<EasySetopt>(dlsym(curl, "curl_easy_setopt"));
    const auto perform = reinterpret_cast<EasyPerform>(dlsym(curl, "curl_easy_perform"));
    CURL *handle = init();
    setopt(handle, CURLOPT_WRITEFUNCTION, Append);
    std::string index, news;
    const std::string indexUrl = base + "script.txt", newsUrl = base + "news.rtf";
    setopt(handle, CURLOPT_WRITEDATA, &index);
    setopt(handle, CURLOPT_URL, indexUrl.c_str());
    if (perform(handle) != CURLE_OK)
        return 1;
    bar->setValue(50);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    setopt(handle, CURLOPT_WRITEDATA, &news);
    setopt(handle, CURLOPT_URL, newsUrl.c_str());
    if (perform(handle) != CURLE_OK)
        return 1;

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor window"));
    auto *row = new QHBoxLayout(&window);
    auto *tree = new QTreeWidget;
    row->addWidget(tree);
    for (const char *node : {"News", "Search", "Reader", "Proxy settings", "About"})
        new QTreeWidgetItem(tree, QStringList(QString::fromLatin1(node)));
    auto *text = new QTextEdit;
    row->addWidget(text);
    text->setPlainText(QString::fromLatin1(news.data(), qsizetype(news.size())));
    progress.close();
    window.resize(695, 454);
    window.show();
    return app.exec();
}
