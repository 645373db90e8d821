/* Tallowby games engine: the question flow, scoring, feedback, result screen
 * and the three answer kinds shared by every game page. A game page only
 * describes its rounds and how to make one question; see ../README.md.
 *
 * Plain ES2020 without modules so that pages open from file:// and in the
 * program's embedded browser (Qt WebEngine of Debian 12, Chromium 102). */
(function () {
  'use strict';

  var DESIGN_WIDTH = 745;
  var DESIGN_HEIGHT = 433;
  var DRAG_THRESHOLD = 6;

  var CHEERS = ['太棒了！', '答对了！', '真聪明！', '好厉害！', '完全正确！'];
  var COMFORTS = ['差一点点！', '没关系，再想想！', '别灰心，下一题加油！'];
  var RESULT_LEVELS = [
    { atLeast: 0.9, stars: 3, text: '了不起！你是数学小明星！' },
    { atLeast: 0.7, stars: 2, text: '真不错！再玩一次争取三颗星！' },
    { atLeast: 0.4, stars: 1, text: '有进步！多练练会更棒！' },
    { atLeast: 0, stars: 0, text: '别灰心，再来一次一定行！' }
  ];

  /* ---------- random source ---------- */

  // mulberry32: small, fast and good enough for picking questions.
  function makeRandom(seed) {
    var state = seed >>> 0;
    function next() {
      state = (state + 0x6d2b79f5) >>> 0;
      var t = state;
      t = Math.imul(t ^ (t >>> 15), t | 1);
      t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
      return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    }
    function int(low, high) {
      if (!(Number.isInteger(low) && Number.isInteger(high) && low <= high)) {
        throw new Error('rng.int(' + low + ', ' + high + '): need whole numbers with low <= high');
      }
      return low + Math.floor(next() * (high - low + 1));
    }
    function pick(list) {
      if (!list.length) throw new Error('rng.pick: the list is empty');
      return list[int(0, list.length - 1)];
    }
    function shuffle(list) {
      var copy = list.slice();
      for (var i = copy.length - 1; i > 0; i--) {
        var j = int(0, i);
        var held = copy[i]; copy[i] = copy[j]; copy[j] = held;
      }
      return copy;
    }
    // n different whole numbers from low..high, in random order.
    function distinct(n, low, high) {
      if (high - low + 1 < n) throw new Error('rng.distinct: ' + n + ' numbers do not fit in ' + low + '..' + high);
      var seen = new Set();
      while (seen.size < n) seen.add(int(low, high));
      return shuffle(Array.from(seen));
    }
    return {
      seed: seed >>> 0, next: next, int: int, pick: pick, shuffle: shuffle, distinct: distinct,
      chance: function (p) { return next() < p; }
    };
  }

  function seedFromUrl() {
    var text = new URLSearchParams(location.search).get('seed');
    if (text !== null && /^\d{1,10}$/.test(text)) return Number(text) >>> 0;
    var fresh = new Uint32Array(1);
    crypto.getRandomValues(fresh);
    return fresh[0];
  }

  /* ---------- small DOM helpers ---------- */

  function escapeHtml(text) {
    return String(text).replace(/[&<>"']/g, function (c) {
      return { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;' }[c];
    });
  }

  function element(tag, className, html) {
    var node = document.createElement(tag);
    if (className) node.className = className;
    if (html !== undefined) node.innerHTML = html;
    return node;
  }

  function svg(width, height, inner) {
    return '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ' + width + ' ' + height +
      '" width="' + width + '" height="' + height + '">' + inner + '</svg>';
  }

  // Lays out `count` copies of a drawing in rows; draw(index, x, y) returns
  // SVG for one cell whose top-left corner is (x, y).
  function grid(count, perRow, cellWidth, cellHeight, draw) {
    var rows = Math.max(1, Math.ceil(count / perRow));
    var columns = Math.min(count, perRow) || 1;
    var inner = '';
    for (var i = 0; i < count; i++) {
      inner += draw(i, (i % perRow) * cellWidth, Math.floor(i / perRow) * cellHeight);
    }
    return svg(columns * cellWidth, rows * cellHeight, inner);
  }

  function starSvg(filled, size) {
    return '<svg class="tg-star' + (filled ? ' tg-star-on' : '') + '" viewBox="0 0 24 24" width="' + size +
      '" height="' + size + '"><path d="M12 1.8l3.1 6.5 7.1.9-5.2 4.9 1.3 7-6.3-3.4-6.3 3.4 1.3-7L1.8 9.2l7.1-.9z"/></svg>';
  }

  // Pupils may type full-width digits or stray spaces with a Chinese IME.
  function normalizeTyped(text) {
    return String(text)
      .replace(/[\uff10-\uff19]/g, function (c) { return String.fromCharCode(c.charCodeAt(0) - 0xfee0); })
      .replace(/[\uff0e\u3002]/g, '.')
      .replace(/[\uff0f]/g, '/')
      .replace(/[\uff0d\u2212]/g, '-')
      .replace(/\s+/g, '');
  }

  // A typed number: whole, decimal or a fraction a/b. NaN when it is none.
  function parseTypedNumber(text) {
    var fraction = /^(-?\d+)\/(\d+)$/.exec(text);
    if (fraction) return Number(fraction[2]) === 0 ? NaN : Number(fraction[1]) / Number(fraction[2]);
    return /^-?(\d+\.?\d*|\.\d+)$/.test(text) ? Number(text) : NaN;
  }

  function sameNumber(a, b) { return Math.abs(a - b) < 1e-9; }

  function fail(game, message) {
    throw new Error('[' + (game || '游戏') + '] ' + message);
  }

  /* ---------- the three answer kinds ----------
   * Each kind turns a question into a controller:
   *   element      what to show under the question text (may be empty)
   *   fillText     optional: the question line with the kind's own inputs in it
   *   needsCheck   whether the 确定 button is used (choices answer on click)
   *   missing()    a nudge when the answer is not complete yet, else ''
   *   isCorrect()  judge the pupil's answer
   *   reveal()     the right answer as a line of text
   *   expected()   the right answer for the browser test (never displayed)
   *   lock(right)  stop input and mark the pupil's answer */

  function splitTemplate(text) {
    return String(text).split(/\{(\d+)\}/);
  }

  function fillTemplate(text, values) {
    return splitTemplate(text).map(function (part, i) {
      return i % 2 ? values[Number(part)] : part;
    }).join('');
  }

  function typeKind(question, host) {
    var fields = question.fields || [{ answer: question.answer }];
    fields.forEach(function (field, i) {
      var ok = typeof field.answer === 'number' ? Number.isFinite(field.answer)
        : typeof field.answer === 'string' && field.answer.trim() !== '';
      if (!ok) fail(host.title, '第 ' + (i + 1) + ' 个空没有正确答案（answer）');
    });
    var placed = splitTemplate(question.text).filter(function (_, i) { return i % 2; }).map(Number);
    placed.forEach(function (index) {
      if (!fields[index]) fail(host.title, '题目里的 {' + index + '} 没有对应的空');
    });
    var inputs = fields.map(function (field, i) {
      var numeric = typeof field.answer === 'number';
      var input = element('input', 'tg-field');
      input.type = 'text';
      input.autocomplete = 'off';
      input.spellcheck = false;
      input.setAttribute('inputmode', numeric ? 'decimal' : 'text');
      input.setAttribute('data-field', String(i));
      input.setAttribute('aria-label', field.label || '答案');
      input.style.width = field.width || (numeric ? '2.6em' : '6em');
      return input;
    });
    var below = element('div', 'tg-fields');
    fields.forEach(function (field, i) {
      if (placed.indexOf(i) >= 0) return;
      var row = element('label', 'tg-field-row');
      if (field.label) row.appendChild(element('span', '', escapeHtml(field.label)));
      row.appendChild(inputs[i]);
      if (field.after) row.appendChild(element('span', '', escapeHtml(field.after)));
      below.appendChild(row);
    });

    function accepted(field, typed) {
      if (typeof field.answer === 'number') return sameNumber(parseTypedNumber(typed), field.answer);
      return [field.answer].concat(field.accept || []).some(function (option) {
        return normalizeTyped(option) === typed;
      });
    }
    function typedValues() { return inputs.map(function (input) { return normalizeTyped(input.value); }); }
    function answerText(field) { return String(field.answer); }

    return {
      element: below,
      fillText: function (lineNode, text) {
        splitTemplate(text).forEach(function (part, i) {
          lineNode.appendChild(i % 2 ? inputs[Number(part)] : document.createTextNode(part));
        });
      },
      needsCheck: true,
      focus: function () {
        var empty = inputs.filter(function (input) { return !input.value; })[0];
        (empty || inputs[0]).focus();
      },
      missing: function () {
        var values = typedValues();
        for (var i = 0; i < fields.length; i++) {
          if (!values[i]) { inputs[i].focus(); return '先把答案填上哦'; }
          if (typeof fields[i].answer === 'number' && Number.isNaN(parseTypedNumber(values[i]))) {
            inputs[i].focus();
            inputs[i].select();
            return '这里要填一个数哦';
          }
        }
        return '';
      },
      isCorrect: function () {
        var values = typedValues();
        return fields.every(function (field, i) { return accepted(field, values[i]); });
      },
      reveal: function () {
        var answers = fields.map(answerText);
        var lines = String(question.text).split('\n').filter(function (line) { return /\{\d+\}/.test(line); });
        var unplaced = fields.map(function (field, i) {
          return placed.indexOf(i) >= 0 ? '' : (field.label || '') + answers[i] + (field.after || '');
        }).filter(Boolean);
        return lines.map(function (line) { return fillTemplate(line, answers); }).concat(unplaced).join('　');
      },
      expected: function () { return { kind: 'type', values: fields.map(answerText) }; },
      lock: function (right) {
        var values = typedValues();
        inputs.forEach(function (input, i) {
          input.readOnly = true;
          input.classList.add(accepted(fields[i], values[i]) ? 'tg-right' : 'tg-wrong');
        });
        if (!right) inputs[0].parentNode.classList.add('tg-shake');
      },
      // Digits typed while no box has focus go to the first empty box.
      onKey: function (event) {
        if (event.target && event.target.tagName === 'INPUT') return;
        if (!/^[0-9.\/-]$/.test(event.key)) return;
        var empty = inputs.filter(function (input) { return !input.value; })[0] || inputs[0];
        empty.focus();
        empty.value += event.key;
        event.preventDefault();
      },
      onEnter: function (target) {
        var index = inputs.indexOf(target);
        var nextEmpty = inputs.filter(function (input, i) { return i > index && !input.value; })[0];
        if (index >= 0 && target.value && nextEmpty) { nextEmpty.focus(); return false; }
        return true;
      }
    };
  }

  function normalizeChoices(question, host) {
    if (!Array.isArray(question.choices) || question.choices.length < 2) {
      fail(host.title, '选择题至少要有 2 个选项');
    }
    var choices = question.choices.map(function (choice) {
      return typeof choice === 'object' ? { label: String(choice.label), value: choice.value }
        : { label: String(choice), value: choice };
    });
    var rightOnes = choices.filter(function (choice) { return choice.value === question.answer; });
    if (rightOnes.length !== 1) {
      fail(host.title, '选择题的正确答案 ' + question.answer + ' 必须恰好是一个选项（现在有 ' + rightOnes.length + ' 个）');
    }
    return choices;
  }

  function choiceKind(question, host) {
    var choices = normalizeChoices(question, host);
    var draw = question.choiceHtml || host.choiceHtml || function (choice) {
      return '<span class="tg-choice-label">' + escapeHtml(choice.label) + '</span>';
    };
    var chosen = -1;
    var box = element('div', 'tg-choices');
    var buttons = choices.map(function (choice, i) {
      var button = element('button', 'tg-choice', draw(choice, i));
      button.type = 'button';
      button.setAttribute('data-choice', String(i));
      button.setAttribute('aria-label', choice.label);
      button.addEventListener('click', function () {
        if (chosen >= 0) return;
        chosen = i;
        host.submit();
      });
      button.addEventListener('keydown', function (event) {
        var step = { ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1 }[event.key];
        if (!step) return;
        buttons[(i + step + buttons.length) % buttons.length].focus();
        event.preventDefault();
      });
      box.appendChild(button);
      return button;
    });
    var rightIndex = choices.findIndex(function (choice) { return choice.value === question.answer; });
    return {
      element: box,
      needsCheck: false,
      focus: function () { buttons[0].focus(); },
      missing: function () { return chosen < 0 ? '点一个选项吧' : ''; },
      isCorrect: function () { return chosen === rightIndex; },
      reveal: function () { return choices[rightIndex].label; },
      expected: function () { return { kind: 'choice', index: rightIndex, label: choices[rightIndex].label }; },
      lock: function () {
        buttons.forEach(function (button, i) {
          button.disabled = true;
          if (i === rightIndex) button.classList.add('tg-right');
          else if (i === chosen) button.classList.add('tg-wrong', 'tg-shake');
        });
      },
      onEnter: function (target) {
        var index = buttons.indexOf(target);
        if (index >= 0) target.click();
        return false;
      }
    };
  }

  var ORDER_SIGNS = { asc: '<', desc: '>' };

  function orderKind(question, host) {
    if (!Array.isArray(question.items) || question.items.length < 2) fail(host.title, '排序题至少要有 2 个数');
    var items = question.items.map(function (item) {
      return typeof item === 'object' ? { label: String(item.label), value: item.value }
        : { label: String(item), value: item };
    });
    var values = items.map(function (item) { return item.value; });
    if (new Set(values).size !== values.length) fail(host.title, '排序题里的数不能重复：' + values.join('、'));
    var sign = ORDER_SIGNS[question.order] || question.separator || '→';
    var rightOrder;
    if (ORDER_SIGNS[question.order]) {
      if (!values.every(function (v) { return typeof v === 'number'; })) fail(host.title, '按大小排序的项要有数值 value');
      rightOrder = items.map(function (_, i) { return i; }).sort(function (a, b) {
        return question.order === 'asc' ? values[a] - values[b] : values[b] - values[a];
      });
    } else {
      if (!Array.isArray(question.answer) || question.answer.length !== items.length) {
        fail(host.title, '排序题要写 order: "asc" 或 "desc"，或者给出完整的 answer 顺序');
      }
      rightOrder = question.answer.map(function (value) { return values.indexOf(value); });
      if (rightOrder.indexOf(-1) >= 0 || new Set(rightOrder).size !== items.length) {
        fail(host.title, '排序题的 answer 必须正好用上每一项一次');
      }
    }
    var draw = question.itemHtml || host.itemHtml || function (item) { return escapeHtml(item.label); };
    var slots = items.map(function () { return null; });
    var locked = false;
    var suppressClick = false;

    var box = element('div', 'tg-order');
    var slotRow = element('div', 'tg-slots');
    var pool = element('div', 'tg-pool');
    box.appendChild(slotRow);
    box.appendChild(pool);

    var tiles = items.map(function (item, i) {
      var tile = element('button', 'tg-tile', draw(item, i));
      tile.type = 'button';
      tile.setAttribute('data-item', String(i));
      tile.setAttribute('aria-label', item.label);
      tile.addEventListener('click', function () {
        if (suppressClick) { suppressClick = false; return; }
        if (!locked) clickTile(i);
      });
      tile.addEventListener('pointerdown', function (event) { startDrag(event, i, tile); });
      return tile;
    });
    var homes = items.map(function () { return element('div', 'tg-home'); });
    homes.forEach(function (home) { pool.appendChild(home); });
    var slotNodes = items.map(function (_, i) {
      if (i > 0) slotRow.appendChild(element('span', 'tg-sign', escapeHtml(sign)));
      var slot = element('div', 'tg-slot');
      slot.setAttribute('data-slot', String(i));
      slotRow.appendChild(slot);
      return slot;
    });

    function place() {
      tiles.forEach(function (tile, i) {
        var at = slots.indexOf(i);
        (at >= 0 ? slotNodes[at] : homes[i]).appendChild(tile);
      });
      slotNodes.forEach(function (slot, i) { slot.classList.toggle('tg-filled', slots[i] !== null); });
      host.setReady(slots.indexOf(null) < 0);
    }
    function clickTile(i) {
      var at = slots.indexOf(i);
      if (at >= 0) slots[at] = null;
      else if (slots.indexOf(null) >= 0) slots[slots.indexOf(null)] = i;
      place();
    }
    function dropTile(i, target) {
      var from = slots.indexOf(i);
      var slotNode = target && target.closest && target.closest('.tg-slot');
      if (slotNode && slotNodes.indexOf(slotNode) >= 0) {
        var to = slotNodes.indexOf(slotNode);
        var occupant = slots[to];
        slots[to] = i;
        if (from >= 0) slots[from] = occupant; // swap two placed numbers
      } else if (from >= 0 && target && target.closest && target.closest('.tg-pool')) {
        slots[from] = null;
      }
      place();
    }
    // Pointer events cover mouse, pen and touch alike; the tile follows the
    // pointer in stage units because the stage itself is scaled.
    function startDrag(event, i, tile) {
      if (locked || event.button > 0) return;
      var startX = event.clientX;
      var startY = event.clientY;
      var dragging = false;
      tile.setPointerCapture(event.pointerId);
      function move(e) {
        var dx = e.clientX - startX;
        var dy = e.clientY - startY;
        if (!dragging && Math.hypot(dx, dy) < DRAG_THRESHOLD) return;
        dragging = true;
        tile.classList.add('tg-dragging');
        tile.style.transform = 'translate(' + dx / host.scale() + 'px,' + dy / host.scale() + 'px)';
      }
      function end(e) {
        tile.removeEventListener('pointermove', move);
        tile.removeEventListener('pointerup', end);
        tile.removeEventListener('pointercancel', end);
        if (!dragging) return;
        suppressClick = true;
        tile.classList.remove('tg-dragging');
        tile.style.transform = '';
        tile.style.visibility = 'hidden';
        var target = e.type === 'pointerup' ? document.elementFromPoint(e.clientX, e.clientY) : null;
        tile.style.visibility = '';
        dropTile(i, target);
      }
      tile.addEventListener('pointermove', move);
      tile.addEventListener('pointerup', end);
      tile.addEventListener('pointercancel', end);
    }

    function chosenOrder() { return slots.slice(); }
    place();
    return {
      element: box,
      needsCheck: true,
      focus: function () { tiles[0].focus(); },
      missing: function () { return slots.indexOf(null) >= 0 ? '把每个数都放进格子里' : ''; },
      isCorrect: function () {
        return chosenOrder().every(function (item, i) { return values[item] === values[rightOrder[i]]; });
      },
      reveal: function () {
        return rightOrder.map(function (i) { return items[i].label; }).join(' ' + sign + ' ');
      },
      expected: function () {
        return { kind: 'order', items: rightOrder.slice(), labels: rightOrder.map(function (i) { return items[i].label; }) };
      },
      lock: function (right) {
        locked = true;
        tiles.forEach(function (tile) { tile.disabled = true; });
        slotNodes.forEach(function (slot, i) {
          slot.classList.add(slots[i] === rightOrder[i] ? 'tg-right' : 'tg-wrong');
        });
        if (!right) slotRow.classList.add('tg-shake');
      },
      onKey: function (event) {
        if (event.key !== 'Backspace' || locked) return;
        var last = -1;
        slots.forEach(function (item, i) { if (item !== null) last = i; });
        if (last >= 0) { slots[last] = null; place(); }
        event.preventDefault();
      },
      onEnter: function () { return true; }
    };
  }

  var KINDS = { type: typeKind, choice: choiceKind, order: orderKind };

  /* ---------- the stage ---------- */

  var STAGE_HTML =
    '<header class="tg-top">' +
    '  <div class="tg-title"></div>' +
    '  <div class="tg-round" id="tg-round"></div>' +
    '  <div class="tg-score" id="tg-score">' + starSvg(true, 22) + '<b>0</b><span>分</span></div>' +
    '</header>' +
    '<div class="tg-progress" id="tg-progress"><div class="tg-progress-fill"></div><div class="tg-progress-ticks"></div>' +
    '  <span class="tg-progress-count"></span></div>' +
    '<main class="tg-play" id="tg-play">' +
    '  <div class="tg-picture" id="tg-picture"></div>' +
    '  <div class="tg-question" id="tg-question"></div>' +
    '  <div class="tg-answer" id="tg-answer"></div>' +
    '</main>' +
    '<footer class="tg-actions">' +
    '  <p class="tg-nudge" id="tg-nudge"></p>' +
    '  <button type="button" class="tg-button" id="tg-check">确定</button>' +
    '  <div class="tg-feedback" id="tg-feedback" hidden>' +
    '    <div class="tg-feedback-text"><b class="tg-feedback-title"></b><span class="tg-feedback-answer"></span></div>' +
    '    <button type="button" class="tg-button" id="tg-next">下一题</button>' +
    '  </div>' +
    '</footer>' +
    '<div class="tg-banner" id="tg-banner"></div>' +
    '<div class="tg-burst" id="tg-burst"></div>' +
    '<section class="tg-screen" id="tg-start-screen">' +
    '  <div class="tg-card">' +
    '    <div class="tg-cover"></div>' +
    '    <h1></h1><p class="tg-goal"></p><p class="tg-rounds"></p>' +
    '    <button type="button" class="tg-button tg-big" id="tg-start">开始游戏</button>' +
    '  </div>' +
    '</section>' +
    '<section class="tg-screen" id="tg-result" hidden>' +
    '  <div class="tg-card">' +
    '    <h1>闯关完成！</h1><div class="tg-result-stars"></div>' +
    '    <p class="tg-result-note" hidden><b></b></p>' +
    '    <p class="tg-result-line"></p><p class="tg-result-text"></p>' +
    '    <button type="button" class="tg-button tg-big" id="tg-again">再玩一次</button>' +
    '  </div>' +
    '</section>';

  // Scales the 745 x 433 design to the window, never scrolling. The stage
  // takes the window's shape, so a wider or taller window gives more room
  // around the centred content rather than empty bands.
  function fitStage(stage) {
    var scale = 1;
    function fit() {
      scale = Math.min(window.innerWidth / DESIGN_WIDTH, window.innerHeight / DESIGN_HEIGHT) || 1;
      stage.style.width = Math.max(DESIGN_WIDTH, window.innerWidth / scale) + 'px';
      stage.style.height = Math.max(DESIGN_HEIGHT, window.innerHeight / scale) + 'px';
      stage.style.transform = 'scale(' + scale + ')';
    }
    fit();
    window.addEventListener('resize', fit);
    return function () { return scale; };
  }

  function checkConfig(config) {
    var title = config && config.title;
    if (typeof title !== 'string' || !title) fail('', 'TallowbyGame.start 需要 title');
    if (!Array.isArray(config.rounds) || !config.rounds.length) fail(title, '至少要有一关（rounds）');
    config.rounds.forEach(function (round, i) {
      if (!(Number.isInteger(round.count) && round.count > 0)) fail(title, '第 ' + (i + 1) + ' 关的题数 count 要是正整数');
      if (typeof round.make !== 'function') fail(title, '第 ' + (i + 1) + ' 关缺少出题函数 make');
    });
    ['onAnswer', 'resultNote'].forEach(function (hook) {
      if (config[hook] !== undefined && typeof config[hook] !== 'function') fail(title, hook + ' 要是一个函数');
    });
  }

  // What a game hook returns: a string, or nothing (undefined or null).
  function hookText(title, hook, value) {
    if (value === undefined || value === null) return null;
    if (typeof value !== 'string') fail(title, hook + ' 只能返回字符串或什么都不返回，现在返回了 ' + typeof value);
    return value;
  }

  // The accent colour of a game and a darker shade of it for button edges.
  function setTheme(colour) {
    var hex = /^#([0-9a-f]{6})$/i.exec(colour);
    if (!hex) fail('', 'theme 要写成 #rrggbb，例如 #f76b8a');
    var dark = [0, 2, 4].map(function (at) {
      var channel = Math.round(parseInt(hex[1].substr(at, 2), 16) * 0.78);
      return ('0' + channel.toString(16)).slice(-2);
    }).join('');
    document.documentElement.style.setProperty('--tg-accent', colour);
    document.documentElement.style.setProperty('--tg-accent-dark', '#' + dark);
  }

  function questionKey(q) {
    return JSON.stringify([q.text, q.answer, q.fields && q.fields.map(function (f) { return f.answer; }), q.choices, q.items]);
  }

  function start(config) {
    checkConfig(config);
    if (config.theme) setTheme(config.theme);
    document.title = config.title;
    document.body.classList.add('tg-body');
    var stage = element('div', 'tg-stage', STAGE_HTML);
    stage.id = 'tg-stage';
    document.body.appendChild(stage);
    var scale = fitStage(stage);
    function $(selector) { return stage.querySelector(selector); }

    var total = config.rounds.reduce(function (sum, round) { return sum + round.count; }, 0);
    var schedule = [];
    config.rounds.forEach(function (round, r) {
      for (var i = 0; i < round.count; i++) schedule.push({ round: r, first: i === 0 });
    });

    $('.tg-title').textContent = config.title;
    $('#tg-start-screen h1').textContent = config.title;
    $('.tg-goal').textContent = config.goal || '';
    $('.tg-rounds').textContent = '共 ' + config.rounds.length + ' 关，' + total + ' 道题，一关比一关难！';
    $('.tg-cover').innerHTML = config.cover || '';
    $('.tg-progress-ticks').innerHTML = schedule.map(function (slot, i) {
      return slot.first && i > 0 ? '<i style="left:' + (100 * i / total) + '%"></i>' : '';
    }).join('');

    var rng = makeRandom(seedFromUrl());
    var state;
    var controller = null;
    var question = null;
    var usedKeys;
    var cheerIndex = 0;

    var host = {
      title: config.title,
      choiceHtml: config.choiceHtml,
      itemHtml: config.itemHtml,
      scale: scale,
      submit: function () { check(); },
      setReady: function (ready) { $('#tg-check').disabled = !ready; }
    };

    function show(selector, visible) { $(selector).hidden = !visible; }

    // The counts so far, as the game's own code sees them. Answers stay
    // inside the engine until the pupil has answered.
    function progress() {
      return { answered: state.answered, rightCount: state.correct, score: state.score, total: total };
    }

    function setPicture(html) {
      $('#tg-picture').innerHTML = html || '';
      show('#tg-picture', !!html);
    }

    function makeQuestion(round) {
      for (var attempt = 0; attempt < 30; attempt++) {
        var q = round.make(rng, state.questionInRound, progress());
        if (!q || typeof q !== 'object') fail(config.title, '出题函数要返回一个题目对象');
        if (!usedKeys.has(questionKey(q)) || attempt === 29) {
          usedKeys.add(questionKey(q));
          return q;
        }
      }
    }

    function begin() {
      state = {
        phase: 'question', score: 0, correct: 0, answered: 0, total: total,
        round: 1, rounds: config.rounds.length, finished: false, stars: 0, lastCorrect: null,
        questionInRound: 0
      };
      usedKeys = new Set();
      show('#tg-start-screen', false);
      show('#tg-result', false);
      $('#tg-score b').textContent = '0';
      nextQuestion();
    }

    function nextQuestion() {
      if (state.answered >= total) { finish(); return; }
      var slot = schedule[state.answered];
      var round = config.rounds[slot.round];
      state.round = slot.round + 1;
      state.questionInRound = slot.first ? 0 : state.questionInRound + 1;
      question = makeQuestion(round);
      state.kind = question.input || 'type';
      var kind = KINDS[state.kind];
      if (!kind) fail(config.title, '不认识的答题方式 input: "' + question.input + '"（可用 type、choice、order）');
      state.phase = 'question';
      var roundName = '第 ' + state.round + ' 关' + (round.name ? ' · ' + round.name : '');
      $('#tg-round').textContent = roundName;
      if (slot.first) announce(roundName);

      $('#tg-check').disabled = false; // an order question disables it until complete
      controller = kind(question, host);
      setPicture(question.picture);
      var text = $('#tg-question');
      text.innerHTML = '';
      String(question.text || '').split('\n').forEach(function (line) {
        var lineNode = element('div', 'tg-line');
        if (controller.fillText) controller.fillText(lineNode, line);
        else lineNode.textContent = line;
        text.appendChild(lineNode);
      });
      var answer = $('#tg-answer');
      answer.innerHTML = '';
      answer.appendChild(controller.element);
      $('#tg-play').className = 'tg-play tg-kind-' + state.kind;
      $('#tg-nudge').textContent = '';
      show('#tg-check', controller.needsCheck);
      show('#tg-feedback', false);
      updateProgress();
      controller.focus();
    }

    function announce(text) {
      var banner = $('#tg-banner');
      banner.textContent = text;
      banner.classList.remove('tg-show');
      void banner.offsetWidth; // restart the animation
      banner.classList.add('tg-show');
    }

    function check() {
      if (state.phase !== 'question') return;
      var missing = controller.missing();
      if (missing) {
        var nudge = $('#tg-nudge');
        nudge.textContent = missing;
        nudge.classList.remove('tg-pop');
        void nudge.offsetWidth;
        nudge.classList.add('tg-pop');
        return;
      }
      var right = controller.isCorrect();
      state.phase = 'feedback';
      state.answered += 1;
      state.lastCorrect = right;
      if (right) {
        state.correct += 1;
        state.score += config.rounds[state.round - 1].points || 10;
      }
      controller.lock(right);
      showFeedback(right);
      updateProgress();
      tellGame(right);
    }

    // The game may redraw its picture once the answer is judged and shown.
    function tellGame(right) {
      if (!config.onAnswer) return;
      var outcome = Object.assign(progress(), { right: right, question: question });
      var picture = hookText(config.title, 'onAnswer', config.onAnswer(outcome));
      if (picture !== null) setPicture(picture);
    }

    function showFeedback(right) {
      var box = $('#tg-feedback');
      box.className = 'tg-feedback ' + (right ? 'tg-good' : 'tg-bad');
      $('.tg-feedback-title').textContent = right ? CHEERS[cheerIndex++ % CHEERS.length]
        : COMFORTS[cheerIndex++ % COMFORTS.length];
      $('.tg-feedback-answer').textContent = right ? '+' + (config.rounds[state.round - 1].points || 10) + ' 分'
        : '正确答案：' + controller.reveal();
      $('#tg-next').textContent = state.answered >= total ? '看成绩' : '下一题';
      $('#tg-nudge').textContent = '';
      show('#tg-check', false);
      show('#tg-feedback', true);
      var score = $('#tg-score');
      score.querySelector('b').textContent = String(state.score);
      if (right) {
        score.classList.remove('tg-pop');
        void score.offsetWidth;
        score.classList.add('tg-pop');
        burst();
      }
      $('#tg-next').focus();
    }

    // A ring of stars flying out of the middle: the reward for a right answer.
    function burst() {
      var layer = $('#tg-burst');
      var html = '';
      for (var i = 0; i < 10; i++) {
        var angle = (i / 10) * Math.PI * 2;
        html += '<span style="--dx:' + Math.round(Math.cos(angle) * 170) + 'px;--dy:' +
          Math.round(Math.sin(angle) * 110) + 'px;animation-delay:' + (i % 3) * 40 + 'ms">' + starSvg(true, 26) + '</span>';
      }
      layer.innerHTML = html;
    }

    function updateProgress() {
      var done = state.answered / total;
      $('.tg-progress-fill').style.width = (100 * done) + '%';
      $('.tg-progress-count').textContent = state.answered + ' / ' + total;
    }

    function finish() {
      var ratio = state.correct / total;
      var level = RESULT_LEVELS.filter(function (l) { return ratio >= l.atLeast; })[0];
      state.phase = 'result';
      state.finished = true;
      state.stars = level.stars;
      $('#tg-burst').innerHTML = '';
      $('.tg-result-stars').innerHTML = [0, 1, 2].map(function (i) {
        return '<span style="animation-delay:' + (150 + i * 250) + 'ms">' + starSvg(i < level.stars, 64) + '</span>';
      }).join('');
      $('.tg-result-line').textContent = '答对 ' + state.correct + ' 题，共 ' + total + ' 题，得 ' + state.score + ' 分';
      $('.tg-result-text').textContent = level.text;
      show('#tg-result', true);
      $('#tg-again').focus();
      showResultNote(level.stars);
    }

    function showResultNote(stars) {
      var summary = Object.assign(progress(), { stars: stars });
      var note = config.resultNote ? hookText(config.title, 'resultNote', config.resultNote(summary)) : null;
      $('.tg-result-note b').textContent = note || '';
      show('.tg-result-note', !!note);
    }

    $('#tg-start').addEventListener('click', begin);
    $('#tg-again').addEventListener('click', begin);
    $('#tg-check').addEventListener('click', check);
    $('#tg-next').addEventListener('click', function () {
      if (state.phase === 'feedback') nextQuestion();
    });

    document.addEventListener('keydown', function (event) {
      if (event.key === 'Enter') {
        event.preventDefault();
        if (event.repeat) return;
        var phase = state ? state.phase : 'start';
        if (phase === 'start' || phase === 'result') begin();
        else if (phase === 'feedback') nextQuestion();
        else if (controller.onEnter(document.activeElement)) check();
        return;
      }
      if (state && state.phase === 'question' && controller.onKey) controller.onKey(event);
    });

    // For the browser test only: read-only state and the expected answer.
    window.tallowbyGame = {
      get state() {
        var s = state || { phase: 'start', score: 0, correct: 0, answered: 0, total: total, round: 0,
          rounds: config.rounds.length, finished: false, stars: 0, lastCorrect: null };
        return JSON.parse(JSON.stringify(s));
      },
      expected: function () {
        return state && state.phase === 'question' ? controller.expected() : null;
      },
      seed: rng.seed
    };
    $('#tg-start').focus();
  }

  // A round's make function that deals the list like cards: shuffled at the
  // start of each round, so a round repeats an entry only when the list is
  // shorter than the round. build(entry, rng, indexInRound) makes the question.
  function deck(list, build) {
    if (!Array.isArray(list) || list.length === 0) throw new Error('TallowbyGame.deck: the list is empty');
    var dealt = list;
    return function (rng, indexInRound) {
      if (indexInRound === 0) dealt = rng.shuffle(list);
      return build(dealt[indexInRound % dealt.length], rng, indexInRound);
    };
  }

  window.TallowbyGame = {
    start: start,
    deck: deck,
    random: makeRandom,
    svg: svg,
    grid: grid,
    star: starSvg,
    escapeHtml: escapeHtml,
    fitStage: function (node) { return fitStage(node); }
  };
})();
