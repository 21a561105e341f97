// window/gtk/dialogs.cpp - the modal questions of the window mode: the file choice, message
// boxes and the print dialog.  Each runs over the master until the user answers.
//
// The file choice lets the user pick a file or type a new name (an output file need not exist
// yet); its title is the menu item that asked for it.  The print dialog offers the printers
// and printing to a PDF file (chosen at first), A4 landscape.  A file is written where the
// user said; a printer gets the page written to a scratch PDF file, sent once the program has
// ended the job.  The settings chosen are kept for the next print.
#include <glib/gstdio.h>

#include <filesystem>

#include "state.h"
#include "window/gtk/window.h"

namespace tpanel::gtkwindow {

namespace {

namespace fs = std::filesystem;

// An absolute folder for the chooser: the given directory when it is one, else the working
// directory.
std::string chooserFolder(const std::string& dir)
{
    std::error_code ec;
    fs::path folder = dir.empty() ? fs::current_path(ec) : fs::absolute(dir, ec);
    if (ec || !fs::is_directory(folder, ec)) folder = fs::current_path(ec);
    return folder.string();
}

// A filter of patterns separated by blanks or semicolons.
void addFilter(GtkFileChooser* chooser, const std::string& patterns)
{
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_set_name(filter, utf8(patterns).c_str());
    std::size_t at = 0;
    while (at < patterns.size()) {
        const std::size_t end = std::min(patterns.find_first_of(" ;", at), patterns.size());
        if (end > at) gtk_file_filter_add_pattern(filter, patterns.substr(at, end - at).c_str());
        at = end + 1;
    }
    gtk_file_chooser_add_filter(chooser, filter);
    GtkFileFilter* all = gtk_file_filter_new();
    gtk_file_filter_set_name(all, "All Files");
    gtk_file_filter_add_pattern(all, "*");
    gtk_file_chooser_add_filter(chooser, all);
}

// The first print offers a PDF file named after the program in the working directory; later
// prints start from what the user chose last.
GtkPrintSettings* firstPrintSettings()
{
    GtkPrintSettings* s = gtk_print_settings_new();
    gtk_print_settings_set_printer(s, "Print to File");
    gtk_print_settings_set(s, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
    const char* name = g_get_prgname();
    std::error_code ec;
    const fs::path file = fs::current_path(ec) / (std::string(name ? name : "plot") + ".pdf");
    gchar* uri = g_filename_to_uri(file.c_str(), nullptr, nullptr);
    if (uri) gtk_print_settings_set(s, GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
    g_free(uri);
    return s;
}

GtkPageSetup* a4Landscape()
{
    GtkPageSetup* setup = gtk_page_setup_new();
    GtkPaperSize* a4 = gtk_paper_size_new(GTK_PAPER_NAME_A4);
    gtk_page_setup_set_paper_size(setup, a4);
    gtk_paper_size_free(a4);
    gtk_page_setup_set_orientation(setup, GTK_PAGE_ORIENTATION_LANDSCAPE);
    return setup;
}

int jobsInFlight = 0;  // pages handed to printers and not yet taken

void onPrinterJobSent(GtkPrintJob* job, gpointer file, const GError* error)
{
    --jobsInFlight;
    if (error) tell(std::string("print: the printer did not take the page: ") + error->message);
    g_unlink(static_cast<const char*>(file));
    g_object_unref(job);
}

}  // namespace

std::string GtkBackend::chooserTitle() const
{
    const Widget* w = widget(lastWidget_);
    return (w && w->type == kTypeItem && !w->text.empty()) ? utf8(w->text) : "Choose a File";
}

BrowseAnswer GtkBackend::browse(const std::string& dir, const std::string& name,
                                const std::string& filter)
{
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        chooserTitle().c_str(), parentWindow(), GTK_FILE_CHOOSER_ACTION_SAVE, "_Cancel",
        GTK_RESPONSE_CANCEL, "_Open", GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_file_chooser_set_do_overwrite_confirmation(chooser, FALSE);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
    gtk_file_chooser_set_current_folder(chooser, chooserFolder(dir).c_str());
    if (!name.empty()) gtk_file_chooser_set_current_name(chooser, utf8(name).c_str());
    if (!filter.empty()) addFilter(chooser, filter);
    BrowseAnswer answer;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        gchar* chosen = gtk_file_chooser_get_filename(chooser);
        const fs::path path(chosen ? chosen : "");
        g_free(chosen);
        if (path.is_absolute() && path.has_filename())
            answer = {false, path.parent_path().string(), path.filename().string()};
    }
    gtk_widget_destroy(dialog);
    settle();
    return answer;
}

void GtkBackend::messageBox(const std::string& title, const std::string& text)
{
    GtkWidget* box = gtk_message_dialog_new(parentWindow(), GTK_DIALOG_MODAL, GTK_MESSAGE_INFO,
                                            GTK_BUTTONS_OK, "%s", utf8(text).c_str());
    gtk_window_set_title(GTK_WINDOW(box), utf8(title).c_str());
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    settle();
}

PrintAnswer GtkBackend::print()
{
    GtkWidget* dialog = gtk_print_unix_dialog_new("Print", parentWindow());
    GtkPrintUnixDialog* print = GTK_PRINT_UNIX_DIALOG(dialog);
    if (!printSettings_) printSettings_ = firstPrintSettings();
    gtk_print_unix_dialog_set_settings(print, printSettings_);
    GtkPageSetup* setup = a4Landscape();
    gtk_print_unix_dialog_set_page_setup(print, setup);
    gtk_print_unix_dialog_set_manual_capabilities(print, GTK_PRINT_CAPABILITY_GENERATE_PDF);
    PrintAnswer answer;
    GtkPrinter* printer = nullptr;
    if (gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK)
        printer = gtk_print_unix_dialog_get_selected_printer(print);
    if (printer) {
        g_object_unref(printSettings_);
        printSettings_ = gtk_print_unix_dialog_get_settings(print);
        if (gtk_printer_is_virtual(printer)) {
            const char* uri = gtk_print_settings_get(printSettings_, GTK_PRINT_SETTINGS_OUTPUT_URI);
            gchar* file = uri ? g_filename_from_uri(uri, nullptr, nullptr) : nullptr;
            if (file) answer = {true, file};
            g_free(file);
        } else {
            gchar* scratch = nullptr;
            const int fd = g_file_open_tmp("print-XXXXXX.pdf", &scratch, nullptr);
            if (fd >= 0) {
                g_close(fd, nullptr);
                answer = {true, scratch};
                printerJob_ = {GTK_PRINTER(g_object_ref(printer)),
                               GTK_PRINT_SETTINGS(g_object_ref(printSettings_)),
                               GTK_PAGE_SETUP(g_object_ref(setup)), scratch};
            }
            g_free(scratch);
        }
    }
    g_object_unref(setup);
    gtk_widget_destroy(dialog);
    settle();
    return answer;
}

void GtkBackend::sendPrinterJob()
{
    if (!printerJob_.printer || panel().page) return;
    PrinterJob j = printerJob_;
    printerJob_ = PrinterJob{};
    const char* name = g_get_prgname();
    GtkPrintJob* job = gtk_print_job_new(name ? name : "plot", j.printer, j.settings, j.setup);
    GError* error = nullptr;
    if (gtk_print_job_set_source_file(job, j.file.c_str(), &error)) {
        ++jobsInFlight;
        gtk_print_job_send(job, onPrinterJobSent, g_strdup(j.file.c_str()), g_free);
    } else {
        tell(std::string("print: cannot send the page to the printer: ") + error->message);
        g_error_free(error);
        g_unlink(j.file.c_str());
        g_object_unref(job);
    }
    g_object_unref(j.printer);
    g_object_unref(j.settings);
    g_object_unref(j.setup);
}

// A page cut short never reaches the printer: its scratch file goes, and the job with it.
void GtkBackend::pageNotWritten()
{
    if (!printerJob_.printer) return;
    g_unlink(printerJob_.file.c_str());
    g_object_unref(printerJob_.printer);
    g_object_unref(printerJob_.settings);
    g_object_unref(printerJob_.setup);
    printerJob_ = PrinterJob{};
}

// A run that ends right after printing must not cut off a page on its way to the printer:
// the end waits for the printers to take their pages, ten seconds at most.
void GtkBackend::finishPrinterJobs()
{
    sendPrinterJob();
    const gint64 end = g_get_monotonic_time() + 10 * G_USEC_PER_SEC;
    while (jobsInFlight > 0 && g_get_monotonic_time() < end) {
        if (!gtk_events_pending()) g_usleep(10000);
        gtk_main_iteration_do(FALSE);
    }
}

}  // namespace tpanel::gtkwindow
