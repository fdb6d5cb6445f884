# VST3Editor: a description's template as the editor of a VST 3 edit controller.
set(bindings vstgui/plugin-bindings)
list(APPEND VSTGUI_VST3_SOURCES
  ${bindings}/vst3editor.cpp
  ${bindings}/vst3editorcontrols.cpp
  ${bindings}/vst3editorsizing.cpp
  ${bindings}/parameterchangelistener.cpp
)
