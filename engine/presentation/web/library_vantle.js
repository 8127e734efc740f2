// The web output's drawing on the page's canvas: the picture fitted into the
// page with its proportions kept, centred on the background colour; every
// character a glyph of the game's font with its baseline one glyph size
// below its cell's top, emboldened by a thin outline as the window's are
// (the browser's own bold is heavier); shapes as filled polygons. A frame of whole cells is drawn as its changed cells only:
// round each the canvas is cleared and every glyph that reaches there drawn
// again in drawing order, so that no glyph is cut by a neighbour. Also the
// copying of the lasting folder (pre.js) to the browser's lasting store.
mergeInto(LibraryManager.library, {
  $VantleCanvas: {
    canvas: null,
    ctx: null,
    width: 0, height: 0, columns: 0, rows: 0,
    cellWidth: 1, cellHeight: 1, glyph: 0,
    background: '#000',
    font: '',
    scale: 1,
    reachX: 1, reachY: 1,  // cells a glyph's ink may reach beyond its own
    dirty: false,
    onResize: null,

    colour: function(rgb) {
      return '#' + (rgb & 0xFFFFFF).toString(16).padStart(6, '0');
    },

    // The canvas as large as the page allows with the picture's proportions,
    // centred; its pixels those of the screen, for sharp glyphs.
    fit: function() {
      var c = VantleCanvas;
      var pageWidth = window.innerWidth, pageHeight = window.innerHeight;
      var fit = Math.min(pageWidth / c.width, pageHeight / c.height);
      if (!(fit > 0)) fit = 1;
      var cssWidth = c.width * fit, cssHeight = c.height * fit;
      var style = c.canvas.style;
      style.position = 'absolute';
      style.width = cssWidth + 'px';
      style.height = cssHeight + 'px';
      style.left = (pageWidth - cssWidth) / 2 + 'px';
      style.top = (pageHeight - cssHeight) / 2 + 'px';
      var ratio = window.devicePixelRatio || 1;
      c.canvas.width = Math.max(1, Math.round(cssWidth * ratio));
      c.canvas.height = Math.max(1, Math.round(cssHeight * ratio));
      c.scale = c.canvas.width / c.width;
      c.dirty = true;
    },

    // How far the font's glyphs reach past their cells, in whole cells.
    measureReach: function() {
      var c = VantleCanvas;
      c.ctx.font = c.font;
      var left = 0, right = 0, up = 0, down = 0;
      for (var code = 33; code < 127; code++) {
        var m = c.ctx.measureText(String.fromCharCode(code));
        left = Math.max(left, m.actualBoundingBoxLeft);
        right = Math.max(right, m.actualBoundingBoxRight - c.cellWidth);
        up = Math.max(up, m.actualBoundingBoxAscent - c.glyph);
        down = Math.max(down, c.glyph + m.actualBoundingBoxDescent - c.cellHeight);
      }
      // A pixel more for the edges' smoothing.
      c.reachX = Math.max(1, Math.ceil((Math.max(left, right) + 1) / c.cellWidth));
      c.reachY = Math.max(1, Math.ceil((Math.max(up, down) + 1) / c.cellHeight));
    },

    begin: function() {
      var c = VantleCanvas;
      c.ctx.setTransform(c.scale, 0, 0, c.scale, 0, 0);
      c.ctx.font = c.font;
      c.ctx.textBaseline = 'alphabetic';
      c.ctx.lineWidth = c.glyph / 50;
      c.ctx.lineJoin = 'round';
    },

    glyphAt: function(x, y, code, rgb) {
      if (code === 32) return;
      var c = VantleCanvas;
      var ch = String.fromCharCode(code);
      c.ctx.fillStyle = c.ctx.strokeStyle = c.colour(rgb);
      c.ctx.fillText(ch, x, y + c.glyph);
      c.ctx.strokeText(ch, x, y + c.glyph);
    },

    // A regular polygon round a circle's outline, its bounding box's corner
    // at (x, y) before it turns by rotation degrees about that corner.
    shape: function(points, radius, rotation, x, y, rgba) {
      var ctx = VantleCanvas.ctx;
      ctx.save();
      ctx.translate(x, y);
      ctx.rotate(rotation * Math.PI / 180);
      ctx.beginPath();
      for (var i = 0; i < points; i++) {
        var angle = i * 2 * Math.PI / points - Math.PI / 2;
        ctx.lineTo(radius + Math.cos(angle) * radius, radius + Math.sin(angle) * radius);
      }
      ctx.closePath();
      ctx.fillStyle = 'rgba(' + (rgba >>> 24) + ',' + ((rgba >>> 16) & 255) + ',' +
                      ((rgba >>> 8) & 255) + ',' + ((rgba & 255) / 255) + ')';
      ctx.fill();
      ctx.restore();
    },

    shown: function() {
      if (!Module.vantleFirstFrame) Module.vantleFirstFrame = performance.now();
      Module.vantleFrames = (Module.vantleFrames || 0) + 1;
    },
  },

  // One copy at a time; a file replaced meanwhile is copied by one more.
  vt_lasting_keep: function(pathPtr) {
    var path = UTF8ToString(pathPtr);
    if (!path.startsWith(Module.vantleLasting + '/')) return;
    if (Module.vantleSyncing) {
      Module.vantleSyncAgain = true;
      return;
    }
    var sync = function() {
      Module.vantleSyncing = true;
      Module.vantleSyncAgain = false;
      FS.syncfs(false, function(error) {
        if (error) err('The lasting files could not be kept: ' + error);
        Module.vantleSyncing = false;
        Module.vantleSynced = (Module.vantleSynced || 0) + 1;
        if (Module.vantleSyncAgain) sync();
      });
    };
    sync();
  },

  vt_canvas_exists: function() {
    return typeof document !== 'undefined' && document.getElementById('canvas') ? 1 : 0;
  },

  vt_canvas_screen_width: function() { return window.screen.width | 0; },
  vt_canvas_screen_height: function() { return window.screen.height | 0; },

  vt_canvas_open__deps: ['$VantleCanvas'],
  vt_canvas_open: function(width, height, columns, rows, glyph, background, fontPtr, fontLength,
                           title, showMouse) {
    var c = VantleCanvas;
    var face = new FontFace('vantle-font', HEAPU8.slice(fontPtr, fontPtr + fontLength).buffer);
    if (face.status === 'error') return -1;
    document.fonts.add(face);
    // Glyphs drawn before the font is ready are drawn again with it.
    face.load().then(function() { if (c.canvas) { c.measureReach(); c.dirty = true; } },
                     function() { err('The font could not be read.'); });
    c.canvas = document.getElementById('canvas');
    c.ctx = c.canvas.getContext('2d', {alpha: false});
    c.width = width; c.height = height; c.columns = columns; c.rows = rows;
    c.cellWidth = width / columns; c.cellHeight = height / rows;
    c.glyph = glyph;
    c.font = glyph + 'px vantle-font';
    c.background = c.colour(background);
    document.body.style.background = c.background;
    document.title = UTF8ToString(title);
    c.canvas.style.cursor = showMouse ? 'default' : 'none';
    c.canvas.oncontextmenu = function(e) { e.preventDefault(); };
    c.onResize = c.fit;
    window.addEventListener('resize', c.onResize);
    c.fit();
    return 0;
  },

  vt_canvas_close__deps: ['$VantleCanvas'],
  vt_canvas_close: function() {
    var c = VantleCanvas;
    if (c.onResize) window.removeEventListener('resize', c.onResize);
    c.onResize = null;
    c.canvas = null;
  },

  vt_canvas_take_dirty__deps: ['$VantleCanvas'],
  vt_canvas_take_dirty: function() {
    var dirty = VantleCanvas.dirty;
    VantleCanvas.dirty = false;
    return dirty ? 1 : 0;
  },

  vt_canvas_whole__deps: ['$VantleCanvas'],
  vt_canvas_whole: function(ops, count) {
    var c = VantleCanvas;
    var op = HEAPF64.subarray(ops >> 3, (ops >> 3) + count);
    c.begin();
    c.ctx.fillStyle = c.background;
    c.ctx.fillRect(0, 0, c.width, c.height);
    var afterShape = false;
    for (var i = 0; i < op.length;) {
      if (op[i] !== 0) {
        c.shape(op[i + 1], op[i + 2], op[i + 3], op[i + 4], op[i + 5], op[i + 6]);
        afterShape = true;
        i += 7;
        continue;
      }
      // The characters up to the next shape: after a shape, as in the
      // window, each clears its cell (a tenth of a cell left, a fifth down)
      // before any of their glyphs is drawn.
      var end = i;
      while (end < op.length && op[end] === 0) end += 5;
      if (afterShape) {
        c.ctx.fillStyle = c.background;
        for (var k = i; k < end; k += 5)
          c.ctx.fillRect((op[k + 1] - 0.1) * c.cellWidth, (op[k + 2] + 0.2) * c.cellHeight,
                         c.cellWidth, c.cellHeight);
      }
      for (; i < end; i += 5)
        c.glyphAt(op[i + 1] * c.cellWidth, op[i + 2] * c.cellHeight, op[i + 3], op[i + 4]);
    }
    c.shown();
  },

  vt_canvas_cells__deps: ['$VantleCanvas'],
  vt_canvas_cells: function(grid, changed, count) {
    var c = VantleCanvas;
    var cells = HEAP32.subarray(grid >> 2, (grid >> 2) + c.columns * c.rows * 3);
    var list = HEAP32.subarray(changed >> 2, (changed >> 2) + count);
    var ctx = c.ctx;
    c.begin();
    // Cleared round each changed cell, on whole pixels of the canvas.
    ctx.save();
    ctx.beginPath();
    var redraw = new Set();
    for (var n = 0; n < list.length; n++) {
      var column = list[n] % c.columns, row = (list[n] / c.columns) | 0;
      var left = Math.floor((column - c.reachX) * c.cellWidth * c.scale) / c.scale;
      var top = Math.floor((row - c.reachY) * c.cellHeight * c.scale) / c.scale;
      var right = Math.ceil((column + c.reachX + 1) * c.cellWidth * c.scale) / c.scale;
      var bottom = Math.ceil((row + c.reachY + 1) * c.cellHeight * c.scale) / c.scale;
      ctx.rect(left, top, right - left, bottom - top);
      // Every glyph that may reach into the cleared area.
      for (var y = row - 2 * c.reachY; y <= row + 2 * c.reachY; y++)
        for (var x = column - 2 * c.reachX; x <= column + 2 * c.reachX; x++)
          if (x >= 0 && y >= 0 && x < c.columns && y < c.rows) redraw.add(y * c.columns + x);
    }
    ctx.clip();
    ctx.fillStyle = c.background;
    ctx.fillRect(0, 0, c.width, c.height);
    var order = Array.from(redraw).filter(function(i) { return cells[i * 3] !== 32; });
    order.sort(function(a, b) { return cells[a * 3 + 2] - cells[b * 3 + 2]; });
    for (var k = 0; k < order.length; k++) {
      var i = order[k];
      c.glyphAt((i % c.columns) * c.cellWidth, ((i / c.columns) | 0) * c.cellHeight,
                cells[i * 3], cells[i * 3 + 1]);
    }
    ctx.restore();
    c.shown();
  },
});
