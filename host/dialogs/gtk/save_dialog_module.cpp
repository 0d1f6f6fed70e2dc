// GTK 3's file chooser in save mode, behind the module interface the library loads.
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "host/dialogs/gtk/module_interface.hpp"

namespace {

// GTK matches patterns by case; each letter of a pattern becomes "[xX]" so that "*.txt"
// also finds "README.TXT", as the masks of the platform's dialogs do.
std::string CaseFreePattern(const std::string& pattern) {
  std::string out;
  for (unsigned char c : pattern) {
    if (g_ascii_isalpha(c)) {
      out += '[';
      out += static_cast<char>(g_ascii_tolower(c));
      out += static_cast<char>(g_ascii_toupper(c));
      out += ']';
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

GtkFileFilter* NewFilter(const char* name, const char* mask) {
  GtkFileFilter* filter = gtk_file_filter_new();
  gtk_file_filter_set_name(filter, name);
  std::string masks = mask;
  size_t start = 0;
  while (start <= masks.size()) {
    size_t end = masks.find(';', start);
    if (end == std::string::npos) end = masks.size();
    std::string pattern = masks.substr(start, end - start);
    while (!pattern.empty() && pattern.front() == ' ') pattern.erase(0, 1);
    while (!pattern.empty() && pattern.back() == ' ') pattern.pop_back();
    if (!pattern.empty()) gtk_file_filter_add_pattern(filter, CaseFreePattern(pattern).c_str());
    start = end + 1;
  }
  return filter;
}

struct Run {
  const ZubGtkSaveRequest* request;
  GtkWidget* dialog;
  std::vector<GtkFileFilter*> filters;
};

int32_t SelectedIndex(const Run& run) {
  GtkFileFilter* current = gtk_file_chooser_get_filter(GTK_FILE_CHOOSER(run.dialog));
  for (size_t i = 0; i < run.filters.size(); ++i)
    if (run.filters[i] == current) return static_cast<int32_t>(i + 1);
  return 0;
}

void OnFilterChanged(GObject*, GParamSpec*, gpointer data) {
  Run& run = *static_cast<Run*>(data);
  const int32_t index = SelectedIndex(run);
  if (index > 0 && run.request->TypeChanged != nullptr)
    run.request->TypeChanged(run.request->Context, run.dialog, index);
}

// Keeps the dialog above the owner, a window of another toolkit or process on X11.
void SetOwner(GtkWidget* dialog, uint64_t owner) {
  if (owner == 0) return;
  GdkDisplay* display = gtk_widget_get_display(dialog);
  if (!GDK_IS_X11_DISPLAY(display)) return;
  gtk_widget_realize(dialog);
  gdk_x11_display_error_trap_push(display);
  GdkWindow* foreign = gdk_x11_window_foreign_new_for_display(display, static_cast<Window>(owner));
  if (foreign != nullptr) {
    gdk_window_set_transient_for(gtk_widget_get_window(dialog), foreign);
    g_object_unref(foreign);
  }
  gdk_x11_display_error_trap_pop_ignored(display);
}

void RunSaveDialog(const ZubGtkSaveRequest* request, ZubGtkSaveResult* result) {
  *result = ZubGtkSaveResult{0, request->FilterIndex, nullptr, 0};
  if (!gtk_init_check(nullptr, nullptr)) {
    result->Error = 0xFFFF;
    return;
  }
  Run run{request, nullptr, {}};
  run.dialog = gtk_file_chooser_dialog_new(request->Title, nullptr, GTK_FILE_CHOOSER_ACTION_SAVE, "_Cancel",
                                           GTK_RESPONSE_CANCEL, "_Save", GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(run.dialog);
  gtk_dialog_set_default_response(GTK_DIALOG(run.dialog), GTK_RESPONSE_ACCEPT);
  gtk_window_set_default_size(GTK_WINDOW(run.dialog), 800, 560);
  // Whether an existing file may be replaced is the caller's question.
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, FALSE);
  for (int32_t i = 0; i < request->FilterCount; ++i) {
    GtkFileFilter* filter = NewFilter(request->FilterNames[i], request->FilterMasks[i]);
    gtk_file_chooser_add_filter(chooser, filter);  // the chooser takes the floating reference
    run.filters.push_back(filter);
  }
  if (!run.filters.empty()) {
    int32_t index = request->FilterIndex;
    if (index < 1 || index > static_cast<int32_t>(run.filters.size())) index = 1;
    gtk_file_chooser_set_filter(chooser, run.filters[index - 1]);
  }
  const std::string name = request->FileName;
  const bool absolute = !name.empty() && name.front() == '/';
  if (request->InitialDir[0] != '\0') gtk_file_chooser_set_current_folder(chooser, request->InitialDir);
  if (absolute) {
    gchar* folder = g_path_get_dirname(name.c_str());
    if (request->InitialDir[0] == '\0') gtk_file_chooser_set_current_folder(chooser, folder);
    g_free(folder);
  }
  // Setting a name, even an empty one, also gives the name box the keyboard focus.
  gchar* base = absolute ? g_path_get_basename(name.c_str()) : g_strdup(name.c_str());
  gchar* shown = g_filename_to_utf8(base, -1, nullptr, nullptr, nullptr);
  gtk_file_chooser_set_current_name(chooser, shown != nullptr ? shown : base);
  g_free(shown);
  g_free(base);
  g_signal_connect(run.dialog, "notify::filter", G_CALLBACK(OnFilterChanged), &run);
  SetOwner(run.dialog, request->OwnerWindow);
  gtk_window_set_modal(GTK_WINDOW(run.dialog), TRUE);

  const gint response = gtk_dialog_run(GTK_DIALOG(run.dialog));
  if (!run.filters.empty()) result->FilterIndex = SelectedIndex(run);
  if (response == GTK_RESPONSE_ACCEPT) {
    gchar* chosen = gtk_file_chooser_get_filename(chooser);
    if (chosen != nullptr) {
      result->Accepted = 1;
      result->FileName = strdup(chosen);
      g_free(chosen);
    }
  }
  g_signal_handlers_disconnect_by_data(run.dialog, &run);
  gtk_widget_destroy(run.dialog);
  while (gtk_events_pending()) gtk_main_iteration();
}

char* TypedName(void* dialog) {
  gchar* name = gtk_file_chooser_get_current_name(GTK_FILE_CHOOSER(dialog));
  char* copy = strdup(name != nullptr ? name : "");
  g_free(name);
  return copy;
}

void SetTypedName(void* dialog, const char* name) {
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  if (name[0] == '/') {
    gchar* folder = g_path_get_dirname(name);
    gchar* base = g_path_get_basename(name);
    gchar* shown = g_filename_to_utf8(base, -1, nullptr, nullptr, nullptr);
    gtk_file_chooser_set_current_folder(chooser, folder);
    gtk_file_chooser_set_current_name(chooser, shown != nullptr ? shown : base);
    g_free(shown);
    g_free(base);
    g_free(folder);
  } else {
    gtk_file_chooser_set_current_name(chooser, name);
  }
}

void FreeString(char* text) { std::free(text); }

const ZubGtkModule kModule{kZubGtkModuleAbi, RunSaveDialog, TypedName, SetTypedName, FreeString};

}  // namespace

extern "C" __attribute__((visibility("default"))) const ZubGtkModule* zub_gtk_module() { return &kModule; }
