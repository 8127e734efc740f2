// Put before every web page's program. Files the program keeps for the
// player (below $XDG_DATA_HOME, as on the desktop) live in a folder that the
// browser keeps in its lasting store (IndexedDB): read back before the
// program starts, and written out each time one is replaced. The page's
// scripts read the last frame shown with window.vantleScreen().
Module.vantleLasting = '/lasting';
Module.preRun = [].concat(Module.preRun || [], function() {
  ENV.XDG_DATA_HOME = Module.vantleLasting;
  FS.mkdirTree(Module.vantleLasting);
  FS.mount(IDBFS, {}, Module.vantleLasting);
  addRunDependency('vantle-lasting');
  FS.syncfs(true, function(error) {
    if (error) err('The lasting files could not be read: ' + error);
    removeRunDependency('vantle-lasting');
  });
});
if (typeof window !== 'undefined') {
  window.vantleScreen = function() {
    return Module.calledRun ? UTF8ToString(Module._vt_screen_text()) : '';
  };
}
