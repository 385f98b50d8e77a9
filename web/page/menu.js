// The menu bar: a title opens its menu, a click elsewhere or Escape closes it.

export function listenToMenus(onItem) {
  const titles = [...document.querySelectorAll('.menu-title')];
  const close = () => {
    for (const title of titles) {
      title.setAttribute('aria-expanded', 'false');
      title.nextElementSibling.hidden = true;
    }
  };
  for (const title of titles) {
    title.addEventListener('click', (e) => {
      e.stopPropagation();
      const wasOpen = title.getAttribute('aria-expanded') === 'true';
      close();
      if (wasOpen) return;
      title.setAttribute('aria-expanded', 'true');
      title.nextElementSibling.hidden = false;
      title.nextElementSibling.querySelector('button')?.focus();
    });
    title.nextElementSibling.addEventListener('click', (e) => {
      const item = e.target.closest('[role="menuitem"]');
      if (!item) return;
      close();
      onItem(item);
    });
  }
  document.addEventListener('click', close);
  document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape') close();
    const items = e.target.closest?.('.menu-items');
    if (!items || !['ArrowDown', 'ArrowUp'].includes(e.key)) return;
    e.preventDefault();
    const all = [...items.querySelectorAll('[role="menuitem"]')];
    const next = all.indexOf(e.target) + (e.key === 'ArrowDown' ? 1 : -1);
    all[(next + all.length) % all.length].focus();
  });
}
